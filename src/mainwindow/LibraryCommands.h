#pragma once

#include "solver/Solver.h"

#include "library/LibraryPorts.h"

#include <QString>

#include <functional>

class QWidget;

namespace velmora {

class GameSession;
class IDialogRunner;
class IFileDialogs;
class IMessages;
class ISoundPort;
class cMenu;
class cOpt;
class cPlayer;
class cRecent;
class cSave;

/// Opens the game library's dialogs over the main window and gives them the game on the table.
class LibraryCommands final : public ILibraryGame {
public:
    struct Parts {
        cMenu& menu;
        GameSession& session;
        cOpt& opt;
        cSave& save;
        cRecent& recent;
        cPlayer& player;
        ISoundPort& sound;
        IMessages& messages;
        IFileDialogs& fileDialogs;
        IDialogRunner& dialogs;
        /// Appends a text to the window caption.
        std::function<void(const QString&)> appendCaption;
        QWidget* owner = nullptr;
        /// Limits of the select dialog's background check of the typed game.
        solver::Limits winnableLimits{std::size_t{256} << 20, std::chrono::seconds(5), 2};
    };

    explicit LibraryCommands(Parts parts) : m_p(std::move(parts)) {}

    /// Gives Select, Open, the three favourites commands and AutoSave their dialogs.
    void Register(cMenu& menu);

    /// Each shows its dialog modally and returns when it is closed.
    void AddFav();
    void OpenFav();
    void OrgFav();
    void OpenGameDialog();
    void SelectGameDialog();
    void AutoSave();

    // ILibraryGame
    bool AllowNewGame() override;
    Result<void> OpenGame(const QString& path) override;
    void StartNewGame(std::int32_t gameNumber) override;
    void AppendCaption(const QString& text) override;

private:
    Parts m_p;
};

} // namespace velmora
