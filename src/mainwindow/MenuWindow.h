#pragma once

#include "mainwindow/CommandTable.h"

#include <QString>

namespace velmora {

/// What cMenu changes on the main window. Implemented by frmMain; tests use a fake.
class IMenuWindow {
public:
    virtual ~IMenuWindow() = default;
    virtual void SetCaption(const QString& caption) = 0;
    /// Shows or hides the 52 card pictures.
    virtual void ShowCards(bool visible) = 0;
    /// The game-time box `Text1`.
    virtual void SetTimeText(const QString& text) = 0;
    /// Status-bar panel 1..5.
    virtual void SetPanelText(int panel, const QString& text) = 0;
    /// Starts or stops `tmrTime`.
    virtual void SetTimeTimer(bool running) = 0;
    /// True while `tmrForward` or `tmrBackward` runs.
    virtual bool ReplayRunning() const = 0;
    /// Enables a command's menu item and its toolbar button.
    virtual void SetEnabled(CommandId id, bool enabled) = 0;
    /// Selects the entry at `position` (1-based) of the player list.
    virtual void SelectPlayerPosition(int position) = 0;
    /// The text of the entry at `position` (1-based) of the player list.
    virtual QString PlayerAt(int position) const = 0;
    /// Gives the keyboard focus to the table.
    virtual void FocusTable() = 0;
    /// Lays the window out again after a bar was shown or hidden.
    virtual void Relayout() = 0;
};

} // namespace velmora
