#include "library/AutoSaveList.h"

#include "library/cSave.h"

namespace velmora::AutoSaveList {

std::vector<GameListing::GameRow> IncompleteGames(const QString& folder) {
    auto rows = GameListing::ListFolder(folder, GameListing::Kinds::Incomplete);
    std::erase_if(
        rows, [](const GameListing::GameRow& row) { return row.text.toUpper() == u"UNFINISHED"; });
    return rows;
}

std::vector<GameListing::GameRow> FinishedGames(const QString& folder) {
    return GameListing::ListFolder(folder, GameListing::Kinds::Finished);
}

QString FrameCaption(const QString& folder) {
    QString path = folder;
    std::int16_t limit = 50;
    return QStringLiteral("Folder : ") + cSave::SizeCheck(path, limit);
}

Buttons Enabling(int rows) {
    return {rows >= 1, rows > 1};
}

} // namespace velmora::AutoSaveList
