#pragma once

#include "library/GameListing.h"

#include <QString>

#include <vector>

/// What the auto-save manager lists and which of its buttons work.
namespace velmora::AutoSaveList {

/// The ".vlg" files of `folder` but the unfinished-game file (base name "Unfinished" in any
/// letter case), in the file system's order.
std::vector<GameListing::GameRow> IncompleteGames(const QString& folder);
/// The ".v2k" files of `folder`, in the file system's order.
std::vector<GameListing::GameRow> FinishedGames(const QString& folder);
/// "Folder : " and the folder shortened to 50 characters (plus "...").
QString FrameCaption(const QString& folder);

/// Delete works with at least one row, Delete All with more than one.
struct Buttons {
    bool remove = false;
    bool removeAll = false;
};
Buttons Enabling(int rows);

} // namespace velmora::AutoSaveList
