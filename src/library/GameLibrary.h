#pragma once

#include "library/GameListing.h"

#include <QString>

#include <vector>

namespace velmora {

class cRecent;
class cSave;

/// Every place saved games are kept (favourites folders, auto-save folders, the recent lists and
/// the save folder) as the one tree of the open dialog, and the games each place lists.
class GameLibrary {
public:
    GameLibrary(const cSave& save, const cRecent& recent) : m_save(save), m_recent(recent) {}

    /// A node of the tree. `tag` tells what the node lists (Games).
    struct Node {
        QString text;
        QString key;     ///< empty for the nodes that have none
        QString tag;     ///< empty for the root
        int parent = -1; ///< index of the parent node; -1 for the root
    };

    /// The nodes in the order they are added: the root, its four children, every favourites
    /// folder (in the file system's order), then the nodes under "AutoSave", "Recent Games" and
    /// "Others". A parent always comes before its children.
    std::vector<Node> Nodes() const;
    /// The games a node with `tag` and `key` lists: ".vlg" and ".v2k" files of a favourites
    /// folder ("Fav") or of the save folder ("Saved"), ".vlg" files of the incomplete auto-save
    /// folder ("InCompSave"), ".v2k" files of the finished one ("FinishSave"), the stored
    /// recent paths in slot order, listed or not ("RecentIncomp", "RecentFinish"). None for
    /// other tags.
    std::vector<GameListing::GameRow> Games(const QString& tag, const QString& key) const;

private:
    std::vector<GameListing::GameRow> Recent(int first) const;

    const cSave& m_save;
    const cRecent& m_recent;
};

} // namespace velmora
