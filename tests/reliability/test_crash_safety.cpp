// Kills a process while it writes the player's files (SIGKILL, at many points of its writes)
// and checks after each kill that every file is either its old or its new complete version,
// that the score file holds no broken line, and that a pending unfinished game is always a
// complete file.

#include "CrashFiles.h"

#include "history/GameFile.h"
#include "platform/SettingsStore.h"
#include "scores/cScore.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <random>

using namespace velmora;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The file text of version `v` of the saved game the writer alternates.
QByteArray SavedGameVersion(int v) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("v.vlg"));
    GameSession game;
    CrashFiles::Play(game, v);
    EXPECT_TRUE(game.Trans().SaveToFile(path.toStdString()));
    return ReadAll(path);
}

/// Every line complete: ended by CR LF and holding one record.
void ExpectWholeScoreLines(const QString& path) {
    const QByteArray scores = ReadAll(path);
    EXPECT_TRUE(scores.isEmpty() || scores.endsWith("\r\n")) << "a broken last line";
    for (const QByteArray& line : scores.split('\n')) {
        if (!line.isEmpty()) {
            EXPECT_TRUE(cScore::ParseRecord(QString::fromUtf8(line).chopped(1)))
                << "a broken score line: " << line.toStdString();
        }
    }
}

class CrashSafetyTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CrashFiles files = CrashFiles::In(dir.path());
    std::mt19937 random{std::random_device{}()};

    /// Starts the writer of `kind`, lets it complete at least `writes` writes, then kills it
    /// after up to `spreadMicroseconds` more. Returns the writes it reported.
    QByteArray RunAndKill(const char* kind, int writes, int spreadMicroseconds) {
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Whatever the window looks up besides its given folders stays in the test's folder.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), dir.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("xdg")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("xdg")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        writer.setProcessEnvironment(environment);
        writer.start(QStringLiteral(VELMORA_CRASH_WRITER), {dir.path(), QString::fromLatin1(kind)});
        EXPECT_TRUE(writer.waitForStarted(10000));
        // Whatever an earlier kill left behind (a lock file, a half-written temporary) must not
        // hold up the writes for long.
        QByteArray done;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (done.size() < writes && writer.state() == QProcess::Running &&
               std::chrono::steady_clock::now() < giveUp) {
            if (writer.waitForReadyRead(1000)) {
                done += writer.readAllStandardOutput();
            }
        }
        EXPECT_GE(done.size(), writes) << kind << " stopped writing after an earlier kill";
        // A busy wait, so that the kill lands at any point of the writes that follow.
        const auto until = std::chrono::steady_clock::now() +
                           std::chrono::microseconds(random() % (spreadMicroseconds + 1));
        while (std::chrono::steady_clock::now() < until) {
        }
        writer.kill();
        writer.waitForFinished(10000);
        done += writer.readAllStandardOutput();
        EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit) << kind << " ended by itself";
        return done;
    }

    /// Kills the writer of `kind` `times` times; `check` runs after each kill with whether a
    /// write had completed before.
    template <typename Check>
    void KillRepeatedly(const char* kind, int times, int spreadMicroseconds, Check check) {
        bool written = false;
        for (int kill = 0; kill < times && !HasFailure(); ++kill) {
            SCOPED_TRACE(std::string(kind) + " killed " + std::to_string(kill + 1) + " times");
            const QByteArray done =
                RunAndKill(kind, 1 + static_cast<int>(random() % 3), spreadMicroseconds);
            written = written || !done.isEmpty();
            check(written);
        }
    }
};

TEST_F(CrashSafetyTest, ASavedGameIsTheOldOrTheNewVersion) {
    const QByteArray versions[2] = {SavedGameVersion(0), SavedGameVersion(1)};
    KillRepeatedly("game", 20, 20000, [&](bool) {
        const QByteArray saved = ReadAll(files.savedGame);
        EXPECT_TRUE(saved == versions[0] || saved == versions[1])
            << "the saved game is neither version (" << saved.size() << " bytes)";
    });
}

TEST_F(CrashSafetyTest, ASettingIsTheOldOrTheNewValueAndTheOthersStay) {
    {
        SettingsStore store(files.settings);
        store.SaveSetting(QStringLiteral("Player1"), QStringLiteral("Name"), QStringLiteral("Ann"));
    }
    KillRepeatedly("settings", 12, 40000, [&](bool written) {
        SettingsStore store(files.settings);
        const QString value = store.GetSetting(CrashFiles::Section, CrashFiles::Key);
        EXPECT_TRUE(value == CrashFiles::Value(0) || value == CrashFiles::Value(1) ||
                    (!written && value.isEmpty()))
            << "the setting holds " << value.size() << " characters";
        EXPECT_EQ(store.GetSetting(QStringLiteral("Player1"), QStringLiteral("Name")),
                  QStringLiteral("Ann"));
    });
}

TEST_F(CrashSafetyTest, TheScoreFileHasNoBrokenLine) {
    KillRepeatedly("scores", 12, 20000, [&](bool) { ExpectWholeScoreLines(files.scores); });
}

TEST_F(CrashSafetyTest, APendingUnfinishedGameIsAlwaysComplete) {
    KillRepeatedly("window", 5, 100000, [&](bool) {
        SettingsStore store(files.settings);
        const QString userFolder =
            store.GetSetting(QStringLiteral("Save"), QStringLiteral("UserFolder"));
        if (store.GetBool(QStringLiteral("Save"), QStringLiteral("Unfinished"), false)) {
            const auto game = GameFile::Parse(
                ReadAll(userFolder + QStringLiteral("/Unfinished.vlg")).toStdString(),
                "Unfinished.vlg");
            EXPECT_TRUE(game.has_value())
                << "a pending unfinished game is broken: " << game.error().message;
        }
        const QString scoreFile =
            store.GetSetting(QStringLiteral("Save"), QStringLiteral("ScoreFile"));
        if (!scoreFile.isEmpty()) {
            ExpectWholeScoreLines(scoreFile);
        }
    });
}

} // namespace
