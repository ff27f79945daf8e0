#include "appearance/frmCustomize.h"

#include "library/ui/TabPages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

frmCustomize::frmCustomize(cCustom& custom, std::function<QIcon(const QString& key)> toolbarIcon,
                           QWidget* parent)
    : QDialog(parent), m_custom(custom), m_toolbarIcon(std::move(toolbarIcon)) {
    setObjectName(QStringLiteral("frmCustomize"));
    setWindowTitle(QStringLiteral("Customize"));
    setModal(true);

    m_custom.Create_lvwMenu();
    m_custom.Create_lvwStatus();
    m_custom.Create_lvwTree();
    m_custom.Getvalues();

    auto* menus = new QGroupBox(QStringLiteral("Menus"), this);
    auto* menuLayout = new QVBoxLayout(menus);
    menuLayout->addWidget(BuildList(cCustom::List::Menu, "lvwMenu"));
    menuLayout->itemAt(0)->widget()->setAccessibleName(menus->title());
    auto* panels = new QGroupBox(QStringLiteral("Status Bar"), this);
    auto* panelLayout = new QVBoxLayout(panels);
    panelLayout->addWidget(BuildList(cCustom::List::Status, "lvwStatusbar"));
    panelLayout->itemAt(0)->widget()->setAccessibleName(panels->title());
    auto* toolbar = new QGroupBox(QStringLiteral("Toolbar"), this);
    auto* toolbarLayout = new QVBoxLayout(toolbar);
    toolbarLayout->addWidget(BuildList(cCustom::List::Toolbar, "lvwToolbar"));
    toolbarLayout->itemAt(0)->widget()->setAccessibleName(toolbar->title());

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* command1 = new QPushButton(QStringLiteral("Cancel"), this);
    command1->setObjectName(QStringLiteral("Command1"));

    menus->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    panels->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* left = new QVBoxLayout;
    left->addWidget(menus);
    left->addWidget(panels);
    left->addStretch();
    auto* lists = new QHBoxLayout;
    lists->addLayout(left);
    lists->addWidget(toolbar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(ButtonRow({cmdOK, command1}));

    connect(cmdOK, &QPushButton::clicked, this, &frmCustomize::cmdOK_Click);
    connect(command1, &QPushButton::clicked, this, &frmCustomize::reject);
}

QListWidget* frmCustomize::BuildList(cCustom::List list, const char* name) {
    auto* view = new QListWidget(this);
    view->setObjectName(QString::fromLatin1(name));
    for (const CustomItem& row : m_custom.Items(list)) {
        auto* item = new QListWidgetItem(row.caption, view);
        item->setData(Qt::UserRole, row.position);
        item->setData(Qt::UserRole + 1, row.key);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(m_custom.Ticked(list, row.position) ? Qt::Checked : Qt::Unchecked);
        if (list == cCustom::List::Toolbar && m_toolbarIcon) {
            item->setIcon(m_toolbarIcon(row.key));
        }
    }
    // Every row shows without scrolling; the short lists take no more room than that.
    view->setSpacing(1);
    const int rows = view->count();
    const int height =
        rows * (view->sizeHintForRow(0) + 2 * view->spacing()) + 2 * view->frameWidth() + 2;
    view->setMinimumHeight(height);
    if (list != cCustom::List::Toolbar) {
        view->setMaximumHeight(height);
    }
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() + 24);
    connect(view, &QListWidget::itemChanged, this,
            [this, list](QListWidgetItem* item) { ItemChanged(list, item); });
    return view;
}

void frmCustomize::ItemChanged(cCustom::List list, QListWidgetItem* item) {
    m_custom.SetTicked(list, item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked);
}

void frmCustomize::cmdOK_Click() {
    m_custom.SaveAll();
    accept();
}

void frmCustomize::reject() {
    // Leaving without OK must not keep a window that differs from the store.
    m_custom.RestoreAll();
    QDialog::reject();
}

} // namespace velmora
