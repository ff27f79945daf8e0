#pragma once

#include <QWidget>

namespace velmora {

/// A page of the options dialog that another folder supplies (the players page), so the dialog
/// does not depend on what the page edits.
class OptionsPage : public QWidget {
public:
    using QWidget::QWidget;

    /// Fills the page as the dialog opens.
    virtual void Load() = 0;
    /// OK was pressed and the dialog's own pages are stored.
    virtual void Stored() = 0;
};

} // namespace velmora
