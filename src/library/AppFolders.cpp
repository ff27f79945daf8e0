#include "library/AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace velmora {

AppFolders AppFolders::ForUser(const QString& programFolder) {
    AppFolders folders;
    folders.programFolder = programFolder;
    folders.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    folders.picturesFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    folders.programFile = QCoreApplication::applicationFilePath();
    return folders;
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) {
        return name;
    }
    if (folder.endsWith(u'/')) {
        return folder + name;
    }
    return folder + u'/' + name;
}

Result<void> MakeFolder(const QString& folder) {
    if (QDir().mkpath(folder)) {
        return {};
    }
    return Fail("Cannot create the folder " + folder.toStdString());
}

} // namespace velmora
