#include "library/cFavourites.h"

#include "library/AppFolders.h"
#include "library/cSave.h"

#include <QDir>
#include <QFile>

#include <filesystem>

namespace velmora {

namespace {

using GameListing::IsReadOnly;
using GameListing::ReadOnly;
using GameListing::Vanished;

const QString File = QStringLiteral("file");
const QString Folder = QStringLiteral("folder");

/// A name that stays one entry of its folder: no separator of either kind, no null character.
bool IsPlainName(const QString& name) {
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(u'\0'));
}

QString Clean(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

QString cFavourites::Root() const {
    return Clean(m_save.FavFolder());
}

QFileInfoList cFavourites::Folders() const {
    return GameListing::Subfolders(Root());
}

bool cFavourites::IsFolder(const QString& path) const {
    if (path.isEmpty() || !QFileInfo(path).isAbsolute()) {
        return false;
    }
    const QFileInfo info(Clean(path));
    return info.isDir() && info.absolutePath() == Root();
}

bool cFavourites::IsGame(const QString& path) const {
    if (path.isEmpty() || !QFileInfo(path).isAbsolute()) {
        return false;
    }
    const QFileInfo info(Clean(path));
    return info.isFile() && IsFolder(info.absolutePath());
}

std::vector<GameListing::GameRow> cFavourites::Games(const QString& folder) const {
    std::vector<GameListing::GameRow> rows;
    if (!IsFolder(folder)) {
        return rows;
    }
    for (const QFileInfo& info : GameListing::Files(folder, GameListing::Kinds::Any)) {
        rows.push_back(GameListing::Row(info, DisplayName(info.fileName())));
    }
    return rows;
}

QString cFavourites::DisplayName(const QString& fileName) {
    if (fileName.size() <= 4) {
        return fileName;
    }
    return fileName.left(fileName.size() - 4);
}

Result<cFavourites::Created> cFavourites::CreateFolder(const QString& name) {
    if (name.size() < 1 || name.size() > MaxNameLength) {
        return Created::Ignored;
    }
    if (name == u"." || name == u".." || !IsPlainName(name)) {
        return Fail(R"(A folder name cannot be "." or ".." or hold "/" or "\".)");
    }
    if (QFileInfo(JoinPath(Root(), name)).isDir()) {
        return Created::Exists;
    }
    // The whole path: to QDir a bare name that starts with ":" is a resource path.
    if (!QDir().mkdir(JoinPath(Root(), name))) {
        return Fail("The folder \"" + name.toStdString() + "\" could not be created.");
    }
    return Created::Done;
}

Result<void> cFavourites::DeleteFolder(const QString& folder) {
    if (!IsFolder(folder)) {
        return Fail(Vanished(Folder, folder));
    }
    if (Folders().size() < 2) {
        return Fail(LastFolder);
    }
    const QFileInfo info(Clean(folder));
    if (IsReadOnly(Root())) {
        return Fail(ReadOnly(Folder, Root()));
    }
    if (info.isSymLink()) {
        // A link to a folder elsewhere: only the link belongs to the favourites.
        if (!QFile::remove(info.absoluteFilePath())) {
            return Fail("The folder \"" + info.fileName().toStdString() +
                        "\" could not be deleted.");
        }
        return {};
    }
    if (IsReadOnly(info.absoluteFilePath())) {
        return Fail(ReadOnly(Folder, folder));
    }
    const QFileInfoList entries =
        QDir(info.absoluteFilePath())
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            return Fail("The folder \"" + info.fileName().toStdString() +
                        "\" holds other folders and was not deleted.");
        }
        if (!entry.isSymLink() && IsReadOnly(entry.absoluteFilePath())) {
            return Fail(ReadOnly(File, entry.absoluteFilePath()));
        }
    }
    for (const QFileInfo& entry : entries) {
        if (QFile file(entry.absoluteFilePath()); !file.remove()) {
            return Fail("The file \"" + entry.fileName().toStdString() +
                        "\" could not be deleted: " + file.errorString().toStdString());
        }
    }
    if (!QDir(Root()).rmdir(info.fileName())) {
        return Fail("The folder \"" + info.fileName().toStdString() + "\" could not be deleted.");
    }
    return {};
}

Result<void> cFavourites::CheckGames(const QStringList& games) const {
    for (const QString& game : games) {
        if (!IsGame(game)) {
            return Fail(Vanished(File, game));
        }
    }
    return {};
}

Result<void> cFavourites::DeleteGames(const QStringList& games) {
    if (auto checked = CheckGames(games); !checked) {
        return checked;
    }
    return GameListing::RemoveFiles(games);
}

Result<void> cFavourites::MoveGames(const QStringList& games, const QString& target,
                                    const std::function<bool(const QString& taken)>& replace) {
    if (!IsFolder(target)) {
        return Fail(Vanished(Folder, target));
    }
    const QString into = Clean(target);
    if (IsReadOnly(into)) {
        return Fail(ReadOnly(Folder, into));
    }
    if (auto checked = CheckGames(games); !checked) {
        return checked;
    }
    struct Move {
        QString from;
        QString to;
        bool replaces = false;
    };
    std::vector<Move> moves;
    for (const QString& game : games) {
        const QFileInfo info(Clean(game));
        if (info.absolutePath() == into) {
            continue;
        }
        if (IsReadOnly(info.absolutePath())) {
            return Fail(ReadOnly(Folder, info.absolutePath()));
        }
        Move move{info.absoluteFilePath(), JoinPath(into, info.fileName())};
        const QFileInfo taken(move.to);
        if (taken.exists() || taken.isSymLink()) {
            if (taken.isDir()) {
                return Fail("The name \"" + info.fileName().toStdString() +
                            "\" is taken by a folder in \"" +
                            QFileInfo(into).fileName().toStdString() + "\".");
            }
            if (IsReadOnly(move.to)) {
                return Fail(ReadOnly(File, move.to));
            }
            move.replaces = true;
        }
        moves.push_back(move);
    }
    std::erase_if(moves, [&replace](const Move& move) {
        return move.replaces && !(replace && replace(move.to));
    });
    for (const Move& move : moves) {
        std::error_code error;
        std::filesystem::rename(FsPath(move.from), FsPath(move.to), error);
        if (error) {
            return Fail("The file \"" + QFileInfo(move.from).fileName().toStdString() +
                        "\" could not be moved: " + error.message());
        }
    }
    return {};
}

Result<QString> cFavourites::AddPath(const QString& folder, const QString& name,
                                     bool finished) const {
    if (!IsFolder(folder)) {
        if (QFileInfo(folder).isAbsolute()) {
            return Fail(Vanished(Folder, folder));
        }
        return Fail("Please select a folder for this game.");
    }
    if (name.isEmpty()) {
        return Fail("Please enter a name for this game.");
    }
    if (!IsPlainName(name)) {
        return Fail(R"(A game name cannot hold "/" or "\".)");
    }
    return JoinPath(Clean(folder),
                    name + (finished ? QStringLiteral(".v2k") : QStringLiteral(".vlg")));
}

} // namespace velmora
