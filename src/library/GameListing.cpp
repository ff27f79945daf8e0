#include "library/GameListing.h"

#include <QDir>
#include <QFile>

namespace velmora::GameListing {

namespace {

bool Takes(Kinds kinds, const QString& name) {
    const QString kind = name.right(3).toUpper();
    switch (kinds) {
    case Kinds::Incomplete:
        return kind == u"VLG";
    case Kinds::Finished:
        return kind == u"V2K";
    case Kinds::Games:
        return kind == u"VLG" || kind == u"V2K";
    case Kinds::Any:
        return true;
    }
    return false;
}

std::string Quoted(const QString& kind, const QString& path) {
    return kind.toStdString() + " \"" + QFileInfo(path).fileName().toStdString() + "\"";
}

} // namespace

bool IsFinished(const QString& name) {
    return name.right(3).toUpper() == u"V2K";
}

QString IconKey(const QString& name) {
    return IsFinished(name) ? QStringLiteral("Comp") : QStringLiteral("Incomp");
}

QString BaseName(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

QFileInfoList Subfolders(const QString& folder) {
    if (folder.isEmpty()) {
        return {};
    }
    return QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
}

QFileInfoList Files(const QString& folder, Kinds kinds) {
    QFileInfoList taken;
    if (folder.isEmpty()) {
        return taken;
    }
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Unsorted)) {
        if (Takes(kinds, info.fileName())) {
            taken.append(info);
        }
    }
    return taken;
}

GameRow Row(const QFileInfo& info, const QString& text) {
    GameRow row;
    row.key = info.absoluteFilePath();
    row.text = text;
    row.finished = IsFinished(info.fileName());
    row.created = info.birthTime().isValid() ? info.birthTime() : info.lastModified();
    return row;
}

std::vector<GameRow> ListFolder(const QString& folder, Kinds kinds) {
    std::vector<GameRow> rows;
    for (const QFileInfo& info : Files(folder, kinds)) {
        rows.push_back(Row(info, info.completeBaseName()));
    }
    return rows;
}

bool IsReadOnly(const QString& path) {
    return !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

std::string Vanished(const QString& kind, const QString& path) {
    return "The " + Quoted(kind, path) + " no longer exists.";
}

std::string ReadOnly(const QString& kind, const QString& path) {
    return "The " + Quoted(kind, path) + " is read-only.";
}

Result<void> RemoveFiles(const QStringList& paths) {
    const QString file = QStringLiteral("file");
    const QString folder = QStringLiteral("folder");
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isFile()) {
            return Fail(Vanished(file, path));
        }
        if (IsReadOnly(path)) {
            return Fail(ReadOnly(file, path));
        }
        if (IsReadOnly(info.absolutePath())) {
            return Fail(ReadOnly(folder, info.absolutePath()));
        }
    }
    for (const QString& path : paths) {
        if (QFile file(path); !file.remove()) {
            return Fail("The " + Quoted(QStringLiteral("file"), path) +
                        " could not be deleted: " + file.errorString().toStdString());
        }
    }
    return {};
}

} // namespace velmora::GameListing
