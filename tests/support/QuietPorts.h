#pragma once

// Ports that ask nothing and show nothing, for programs that render or time the score board
// outside the test fixtures.

#include "library/Clock.h"
#include "library/FileDialogs.h"
#include "library/Messages.h"
#include "scores/PlayerPorts.h"
#include "scores/ScoreBoard.h"

namespace velmora::quiet {

/// Always 12/5/2026 5:20:00 PM.
class FixedClock final : public IClock {
public:
    QDateTime Now() const override { return {QDate(2026, 12, 5), QTime(17, 20, 0)}; }
};

/// Shows nothing and answers No.
class NoMessages final : public IMessages {
public:
    void Message(const QString&, MessageIcon, const QString&) override {}
    bool Ask(const QString&, MessageIcon, const QString&) override { return false; }
    QString InputBox(const QString&, const QString&) override { return {}; }
};

/// Every dialog is cancelled.
class NoFiles final : public IFileDialogs {
public:
    QString SaveFileName(const QString&, const QString&, const QString&, const QString&,
                         const QString&) override {
        return {};
    }
    QString OpenFileName(const QString&, const QString&) override { return {}; }
    QString BrowseForFolder(const QString&, const QString&) override { return {}; }
};

/// A player list whose selected player is "Guest".
class GuestSelected final : public IPlayerCombo {
public:
    void Clear() override {}
    void AddItem(const QString&) override {}
    void SelectPosition(int) override {}
    QString SelectedText() const override { return QStringLiteral("Guest"); }
};

/// The game on the table, with fixed figures.
class FixedGame final : public IGameFigures {
public:
    bool inProgress = false;
    std::int32_t moves = 0;
    std::int32_t cardsLeft = 0;
    std::int32_t gameTime = 0;
    std::int32_t sessionTime = 0;

    bool GameInProgress() const override { return inProgress; }
    std::int32_t MoveNumber() const override { return moves; }
    std::int32_t CardsLeft() const override { return cardsLeft; }
    std::int32_t GameTime() override { return gameTime; }
    std::int32_t SessionTime() override { return sessionTime; }
};

} // namespace velmora::quiet
