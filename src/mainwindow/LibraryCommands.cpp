#include "mainwindow/LibraryCommands.h"

#include "history/GameSession.h"
#include "library/cOpt.h"
#include "library/frmAddFav.h"
#include "library/frmAutoSave.h"
#include "library/frmFavourites.h"
#include "library/frmOpenGame.h"
#include "library/frmSelectFav.h"
#include "library/frmSelectGame.h"
#include "library/ui/DialogRunner.h"
#include "mainwindow/SolverTask.h"
#include "mainwindow/ToolbarIcons.h"
#include "mainwindow/cMenu.h"
#include "scores/cPlayer.h"

namespace velmora {

namespace {
LibraryIcons Icons() {
    return LibraryIcons([](const QString& key) { return LibraryIcon(key); });
}
} // namespace

void LibraryCommands::Register(cMenu& menu) {
    menu.SetHandler(CommandId::Select, [this] { SelectGameDialog(); });
    menu.SetHandler(CommandId::Open, [this] { OpenGameDialog(); });
    menu.SetHandler(CommandId::AddFav, [this] { AddFav(); });
    menu.SetHandler(CommandId::FavOpen, [this] { OpenFav(); });
    menu.SetHandler(CommandId::OrgFav, [this] { OrgFav(); });
    menu.SetHandler(CommandId::AutoSave, [this] { AutoSave(); });
}

void LibraryCommands::AddFav() {
    frmAddFav dialog(AddFavContext{m_p.save, m_p.menu, m_p.session.State().Finished,
                                   m_p.player.GetName(m_p.player.GetCurrentPlayerIndex()),
                                   m_p.messages, Icons()},
                     m_p.owner);
    m_p.dialogs.Run(dialog);
}

void LibraryCommands::OpenFav() {
    frmSelectFav dialog(SelectFavContext{m_p.save, *this, m_p.messages, Icons()}, m_p.owner);
    m_p.dialogs.Run(dialog);
}

void LibraryCommands::OrgFav() {
    frmFavourites dialog(FavouritesContext{m_p.save, m_p.messages, Icons()}, m_p.owner);
    m_p.dialogs.Run(dialog);
}

void LibraryCommands::OpenGameDialog() {
    frmOpenGame dialog(OpenGameContext{m_p.save, m_p.recent, *this, m_p.menu, m_p.fileDialogs,
                                       m_p.messages, Icons()},
                       m_p.owner);
    m_p.dialogs.Run(dialog);
}

void LibraryCommands::SelectGameDialog() {
    frmSelectGame dialog(SelectGameContext{m_p.opt.GetRandomLimit(), *this, m_p.messages, {}},
                         m_p.owner);
    SolverTask task;
    dialog.SetWinnableCheck([this, &task](std::int32_t number, frmSelectGame::ShowVerdict show) {
        CheckWinnable(task, number, m_p.winnableLimits, std::move(show));
    });
    m_p.dialogs.Run(dialog);
}

void LibraryCommands::AutoSave() {
    frmAutoSave dialog(AutoSaveContext{m_p.save, m_p.messages, &m_p.sound, Icons()}, m_p.owner);
    m_p.dialogs.Run(dialog);
}

bool LibraryCommands::AllowNewGame() {
    return m_p.menu.AllowNewGame();
}

Result<void> LibraryCommands::OpenGame(const QString& path) {
    return m_p.menu.OpenGame(path);
}

void LibraryCommands::StartNewGame(std::int32_t gameNumber) {
    m_p.session.StartGame(gameNumber);
    m_p.menu.Game_Started(false);
}

void LibraryCommands::AppendCaption(const QString& text) {
    if (m_p.appendCaption) {
        m_p.appendCaption(text);
    }
}

} // namespace velmora
