#pragma once

#include "appearance/cCustom.h"

#include <QDialog>
#include <QIcon>

#include <functional>

class QListWidget;
class QListWidgetItem;

namespace velmora {

/// "Customize": three check-box lists of the menus, the status-bar panels and the toolbar
/// buttons. A tick shows, an untick hides on the main window at once; OK stores what is shown,
/// the other button (and closing the dialog) puts back what is stored.
class frmCustomize : public QDialog {
    Q_OBJECT

public:
    /// `toolbarIcon` gives the image of a toolbar button's key.
    frmCustomize(cCustom& custom, std::function<QIcon(const QString& key)> toolbarIcon,
                 QWidget* parent = nullptr);

    void reject() override;

private:
    QListWidget* BuildList(cCustom::List list, const char* name);
    void ItemChanged(cCustom::List list, QListWidgetItem* item);
    void cmdOK_Click();

    cCustom& m_custom;
    std::function<QIcon(const QString&)> m_toolbarIcon;
};

} // namespace velmora
