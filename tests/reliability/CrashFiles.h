#pragma once

// The files the crash writer keeps rewriting and the versions it writes.

#include "engine/cGame.h"
#include "history/GameSession.h"

#include <QString>

namespace velmora {

struct CrashFiles {
    QString settings;
    QString savedGame;
    QString scores;

    static CrashFiles In(const QString& root) {
        return {root + QStringLiteral("/config/Velmora 2003.ini"),
                root + QStringLiteral("/saved.vlg"), root + QStringLiteral("/scores.sre")};
    }

    /// Deals version 0 or 1 of the saved game and makes its moves: long histories (a card to a
    /// free cell and back, many times), so that writing one takes many blocks.
    static void Play(GameSession& game, int version) {
        game.StartGame(version == 0 ? 11982 : 617);
        cGame& board = game.State().MutableGame();
        for (int i = 0; i < 1000 + 300 * version; ++i) {
            const auto column = static_cast<Location>(i % ColumnCount);
            const Location exposed = board.GetBottomCardLocation(column);
            if (exposed == NoLocation || board.GetCardIndex(FirstFreeCell) != NoCard) {
                continue;
            }
            board.SetLocation(exposed, FirstFreeCell, MoveMode::First, Motion::Instant());
            if (board.GetCardIndex(FirstFreeCell) != NoCard) {
                board.SetLocation(FirstFreeCell, exposed, MoveMode::First, Motion::Instant());
            }
        }
    }

    static inline const QString Section = QStringLiteral("Crash");
    static inline const QString Key = QStringLiteral("Value");
    /// Version 0 or 1 of the setting: long enough that a write takes many blocks.
    static QString Value(int version) { return QString(100000, version == 0 ? u'a' : u'b'); }
};

} // namespace velmora
