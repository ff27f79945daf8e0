#pragma once

#include "history/Error.h"

#include <QString>

namespace velmora {

/// What the end-of-game dialog asks of the game state: implemented by cMenu.
class IFinishActions {
public:
    virtual ~IFinishActions() = default;
    /// Records the won game and ends it.
    virtual void GameWon() = 0;
    virtual void NoGame() = 0;
    /// Starts the next step: "New", "Select", "Restart" or "Open".
    virtual void SelectGame(const QString& key) = 0;
    /// Writes the game on the table to `path`.
    virtual Result<void> SaveGame(const QString& path) = 0;
};

} // namespace velmora
