#include "library/GameLibrary.h"

#include "library/cRecent.h"
#include "library/cSave.h"

namespace velmora {

using GameListing::Kinds;

std::vector<GameLibrary::Node> GameLibrary::Nodes() const {
    std::vector<Node> nodes{
        {QStringLiteral("Velmora 2003"), QStringLiteral("v2k"), {}, -1},
        {QStringLiteral("Favorites"), QStringLiteral("Favorites"), QStringLiteral("2"), 0},
        {QStringLiteral("AutoSave"), QStringLiteral("AutoSave"), QStringLiteral("2"), 0},
        {QStringLiteral("Recent Games"), QStringLiteral("Recent"), QStringLiteral("2"), 0},
        {QStringLiteral("Others"), QStringLiteral("Others"), QStringLiteral("2"), 0},
    };
    constexpr int Favourites = 1;
    constexpr int AutoSave = 2;
    constexpr int Recent = 3;
    constexpr int Others = 4;
    for (const QFileInfo& folder : GameListing::Subfolders(m_save.FavFolder())) {
        nodes.push_back(
            {folder.fileName(), folder.absoluteFilePath(), QStringLiteral("Fav"), Favourites});
    }
    const QString incomplete = QStringLiteral("Incomplete Games");
    const QString finished = QStringLiteral("Finished Games");
    nodes.push_back({incomplete, {}, QStringLiteral("InCompSave"), AutoSave});
    nodes.push_back({finished, {}, QStringLiteral("FinishSave"), AutoSave});
    nodes.push_back({incomplete, {}, QStringLiteral("RecentIncomp"), Recent});
    nodes.push_back({finished, {}, QStringLiteral("RecentFinish"), Recent});
    nodes.push_back({QStringLiteral("Saved Games"), {}, QStringLiteral("Saved"), Others});
    return nodes;
}

std::vector<GameListing::GameRow> GameLibrary::Recent(int first) const {
    std::vector<GameListing::GameRow> rows;
    for (int slot = first; slot < first + cRecent::ListSize; ++slot) {
        const QString path = m_recent.GetRecent(static_cast<std::int16_t>(slot));
        if (path.isEmpty()) {
            continue;
        }
        GameListing::GameRow row;
        row.key = path;
        row.text = GameListing::BaseName(path);
        row.finished = GameListing::IsFinished(path);
        rows.push_back(row);
    }
    return rows;
}

std::vector<GameListing::GameRow> GameLibrary::Games(const QString& tag, const QString& key) const {
    if (tag == u"Fav") {
        return GameListing::ListFolder(key, Kinds::Games);
    }
    if (tag == u"InCompSave") {
        return GameListing::ListFolder(m_save.IncompleteDir(), Kinds::Incomplete);
    }
    if (tag == u"FinishSave") {
        return GameListing::ListFolder(m_save.FinishedDir(), Kinds::Finished);
    }
    if (tag == u"RecentIncomp") {
        return Recent(6);
    }
    if (tag == u"RecentFinish") {
        return Recent(1);
    }
    if (tag == u"Saved") {
        return GameListing::ListFolder(m_save.SaveFolder(), Kinds::Games);
    }
    return {};
}

} // namespace velmora
