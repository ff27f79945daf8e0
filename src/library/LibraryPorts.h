#pragma once

#include "history/Error.h"

#include <QString>

#include <cstdint>

namespace velmora {

/// The game on the table as the library dialogs reach it; implemented by the main window.
class ILibraryGame {
public:
    virtual ~ILibraryGame() = default;
    /// May the game on the table be given up? Asks while a game is in play; Yes records it as
    /// lost.
    virtual bool AllowNewGame() = 0;
    /// Opens a saved game and enters the state its extension asks (a finished game on view or a
    /// game in play); a rejected file changes nothing.
    virtual Result<void> OpenGame(const QString& path) = 0;
    /// Deals `gameNumber` as a new game in play.
    virtual void StartNewGame(std::int32_t gameNumber) = 0;
    /// Appends `text` to the main window's caption.
    virtual void AppendCaption(const QString& text) = 0;
};

} // namespace velmora
