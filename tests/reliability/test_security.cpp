// Input from the player or the file system never reaches a shell, and never leaves its folder.

#include "library/TestSupport.h"

#include "library/mSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace
