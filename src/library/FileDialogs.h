#pragma once

#include <QString>

namespace velmora {

/// The platform's file-save, file-open and folder-browse dialogs. Filters are pairs of
/// description and pattern joined by "|" ("Velmora 2003 InComplete Game (*.vlg)|*.vlg").
class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    /// A save dialog titled `title` (the platform's title when empty) preset to `fileName` in
    /// `startFolder`, adding `defaultExtension` (".vlg") to a name typed without one and
    /// confirming before an existing file is replaced. Returns the chosen path, empty when
    /// cancelled.
    virtual QString SaveFileName(const QString& startFolder, const QString& fileName,
                                 const QString& defaultExtension, const QString& filter,
                                 const QString& title = {}) = 0;
    /// An open dialog with an empty file name; returns the chosen path, empty when cancelled.
    virtual QString OpenFileName(const QString& startFolder, const QString& filter) = 0;
    /// A folder-only dialog titled `title` that opens on `startFolder`, owned by the dialog in
    /// front; returns the chosen folder, empty when cancelled.
    virtual QString BrowseForFolder(const QString& title, const QString& startFolder) = 0;
};

} // namespace velmora
