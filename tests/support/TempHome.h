#pragma once

#include "support/Fakes.h"

#include "library/AppFolders.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace velmora::test {

/// A temporary home: a settings file and program and user data folders, never the real ones.
class TempHome : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(dir.isValid());
        folders.programFolder = dir.filePath(QStringLiteral("program"));
        folders.userDataFolder = dir.filePath(QStringLiteral("data"));
        folders.programFile = dir.filePath(QStringLiteral("bin/velmora2003"));
        folders.updateDesktopDatabases = false;
        QDir().mkpath(folders.programFolder);
        QDir().mkpath(folders.userDataFolder);
        store = std::make_unique<SettingsStore>(StorePath());
    }

    QString StorePath() const { return dir.filePath(QStringLiteral("config/Velmora 2003.ini")); }
    /// A second store over the same file: what a later read from disk sees.
    SettingsStore Reopened() const { return SettingsStore(StorePath()); }
    QString Path(const QString& relative) const { return dir.filePath(relative); }

    static QByteArray ReadAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Touch(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir dir;
    AppFolders folders;
    std::unique_ptr<SettingsStore> store;
    FakeClock clock;
};

} // namespace velmora::test
