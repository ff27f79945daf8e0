// Input from the player or the file system never reaches a shell, and never leaves its folder.

#include "support/TempHome.h"

#include "history/GameSession.h"
#include "library/cSave.h"
#include "library/mSave.h"
#include "scores/cPlayer.h"
#include "scores/cScore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

class SecurityTest : public TempHome {
protected:
    /// A fake of `tool` on PATH that writes its argument count and arguments to `log`.
    void FakeTool(const QString& tool, const QString& log) {
        const QString bin = Path(QStringLiteral("bin"));
        QDir().mkpath(bin);
        QFile script(bin + u'/' + tool);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" >> \"" + log.toUtf8() + "\"\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", bin.toUtf8());
    }
};

TEST_F(SecurityTest, DesktopToolsGetTheFolderAsOneArgumentWithoutAShell) {
    const QByteArray path = qgetenv("PATH");
    const QString log = Path(QStringLiteral("tools.log"));
    FakeTool(QStringLiteral("update-mime-database"), log);
    FakeTool(QStringLiteral("update-desktop-database"), log);
    // Every character a shell would act on, in the user's data folder.
    folders.userDataFolder =
        Path(QStringLiteral("data $(touch INJECTED); `touch INJECTED` \"'&|*"));
    folders.updateDesktopDatabases = true;
    const auto registered = mSave::RegisterFileTypes(folders);
    qputenv("PATH", path);
    ASSERT_TRUE(registered) << registered.error().message;

    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              QStringLiteral("1\n%1/mime\n1\n%1/applications\n").arg(folders.userDataFolder));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("INJECTED"))));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("INJECTED")));
}

/// The permission bits of `path`.
mode_t Mode(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
}

TEST_F(SecurityTest, PersonalFilesAreReadableByTheirOwnerOnly) {
    const mode_t umaskBefore = ::umask(022);
    cSave save(*store, folders, clock);
    ASSERT_TRUE(mSave::FirstRunSetup(*store, folders, clock, [&](auto...) {}));
    EXPECT_EQ(Mode(StorePath()), 0600U) << "the settings";
    EXPECT_EQ(Mode(save.ScoreFile()), 0600U) << "the score file made at first run";

    QFile::remove(save.ScoreFile());
    FakeCombo combo;
    cPlayer player(*store, &combo);
    cScore score(save, player, clock);
    ASSERT_TRUE(score.SaveScore(1, 10, 10, 50));
    EXPECT_EQ(Mode(save.ScoreFile()), 0600U) << "the score file made by a game";

    // A saved game is no one's secret.
    GameSession game;
    game.StartGame(1);
    ASSERT_TRUE(game.Trans().SaveToFile(Path(QStringLiteral("game.vlg")).toStdString()));
    EXPECT_EQ(Mode(Path(QStringLiteral("game.vlg"))), 0644U);
    ::umask(umaskBefore);
}

} // namespace
