#pragma once

// A score board over a temporary home: players created by hand, score files written by hand.

#include "support/QuietPorts.h"
#include "support/TempHome.h"

#include "library/cSave.h"
#include "scores/ScoreBoard.h"
#include "scores/cPlayer.h"
#include "scores/cScore.h"
#include "scores/cUser.h"

namespace velmora::test {

class ScoreBoardTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        save = std::make_unique<cSave>(*store, folders, clock);
        save->ScoreFile(Path("scores.sre"));
        player = std::make_unique<cPlayer>(*store, &combo);
        user = std::make_unique<cUser>(*player, messages, &combo);
        score = std::make_unique<cScore>(*save, *player, clock);
    }

    /// Adds a player created at `date` and refills the main window's list; the first player
    /// added is current.
    void AddPlayer(const QString& name, const QString& date, const QString& fullName = {}) {
        user->AddUser(name, fullName, date);
        user->ListUserCombo();
    }
    /// One line of the score file.
    static QByteArray Line(const char* name, int time, int game, int moves, const char* date,
                           int perc, int points) {
        return cScore::FormatRecord({QString::fromUtf8(name), time, game, moves,
                                     QString::fromLatin1(date), static_cast<std::int16_t>(perc),
                                     points})
                   .toUtf8() +
               "\r\n";
    }
    void WriteScores(const QByteArray& text) {
        QFile file(Path("scores.sre"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void Build(bool finishedOnly = false) { score->Create_All(game, finishedOnly); }

    /// Column `column` of every row of a list.
    static QStringList Column(const ReportList& list, int column) {
        QStringList texts;
        for (const ReportRow& row : list.rows) {
            texts << row.cells.value(column);
        }
        return texts;
    }
    static QStringList Titles(const ReportList& list) {
        QStringList titles;
        for (const ReportColumn& c : list.columns) {
            titles << c.title;
        }
        return titles;
    }

    FakeCombo combo;
    FakeMessages messages;
    quiet::FixedGame game;
    std::unique_ptr<cSave> save;
    std::unique_ptr<cPlayer> player;
    std::unique_ptr<cUser> user;
    std::unique_ptr<cScore> score;
};

} // namespace velmora::test
