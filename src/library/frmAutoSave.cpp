#include "library/frmAutoSave.h"

#include "engine/Ports.h"
#include "engine/SoundEvents.h"
#include "library/AutoSaveList.h"
#include "library/Messages.h"
#include "library/cSave.h"
#include "library/ui/TabPages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

frmAutoSave::frmAutoSave(const AutoSaveContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("frmAutoSave"));
    setWindowTitle(QStringLiteral("AutoSave"));
    setModal(true);

    const std::array<const char*, 2> listNames{"ListView1", "ListView2"};
    const std::array<const char*, 2> firstColumns{"Incomplete Games", "Finished Games"};
    for (std::size_t i = 0; i < m_frames.size(); ++i) {
        m_frames[i] = new QGroupBox(this);
        m_frames[i]->setObjectName(QStringLiteral("Frame1_") + QString::number(i + 1));
        m_lists[i] =
            GameList(m_frames[i], listNames[i],
                     {QString::fromLatin1(firstColumns[i]), QStringLiteral("Date Created")}, true);
        m_lists[i]->header()->setStretchLastSection(false);
        m_lists[i]->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        m_lists[i]->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        auto* frameLayout = new QVBoxLayout(m_frames[i]);
        frameLayout->addWidget(m_lists[i]);
    }
    m_pages = new TabPages({QStringLiteral("Incomplete Folder"), QStringLiteral("Finished Folder")},
                           {m_frames[0], m_frames[1]}, this);

    m_cmdDelete = Button(this, "cmdDelete", "Delete");
    m_cmdDeleteAll = Button(this, "cmdDeleteAll", "Delete All");
    auto* close = Button(this, "cmdClose", "Close");
    close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdDelete);
    buttons->addWidget(m_cmdDeleteAll);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    resize(520, 380);

    connect(m_cmdDelete, &QPushButton::clicked, this, &frmAutoSave::cmdDelete_Click);
    connect(m_cmdDeleteAll, &QPushButton::clicked, this, &frmAutoSave::cmdDeleteAll_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    if (m_context.sound) {
        m_context.sound->PlaySound(SoundAutoSave);
    }
    m_pages->Select(1);
    FillIncompleteList();
    FillFinishedList();
    Timer1_Timer();
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, &frmAutoSave::Timer1_Timer);
    m_timer1.start();
}

void frmAutoSave::FillIncompleteList() {
    const QString folder = m_context.save.IncompleteDir();
    FillGames(m_lists[0], AutoSaveList::IncompleteGames(folder), m_context.icons, true);
    m_frames[0]->setTitle(AutoSaveList::FrameCaption(folder));
    SelectFirst(m_lists[0]);
}

void frmAutoSave::FillFinishedList() {
    const QString folder = m_context.save.FinishedDir();
    FillGames(m_lists[1], AutoSaveList::FinishedGames(folder), m_context.icons, true);
    m_frames[1]->setTitle(AutoSaveList::FrameCaption(folder));
    SelectFirst(m_lists[1]);
}

QTreeWidget* frmAutoSave::ShownList() const {
    return m_pages->Current() == 2 ? m_lists[1] : m_lists[0];
}

void frmAutoSave::Timer1_Timer() {
    const AutoSaveList::Buttons buttons = AutoSaveList::Enabling(ShownList()->topLevelItemCount());
    m_cmdDelete->setEnabled(buttons.remove);
    m_cmdDeleteAll->setEnabled(buttons.removeAll);
}

void frmAutoSave::Refill() {
    if (ShownList() == m_lists[1]) {
        FillFinishedList();
    } else {
        FillIncompleteList();
    }
}

void frmAutoSave::Remove(const QStringList& paths) {
    if (auto removed = GameListing::RemoveFiles(paths); !removed) {
        ShowError(m_context.messages, removed.error());
    }
    Refill();
}

void frmAutoSave::cmdDelete_Click() {
    if (!m_context.messages.Ask(QStringLiteral("Are you sure you want to delete these Files ?"),
                                MessageIcon::Critical)) {
        return;
    }
    Remove(SelectedKeys(ShownList()));
}

void frmAutoSave::cmdDeleteAll_Click() {
    if (!m_context.messages.Ask(
            QStringLiteral("Are you sure you want to delete all files in this Folder ?"),
            MessageIcon::Critical)) {
        return;
    }
    Remove(AllKeys(ShownList()));
}

} // namespace velmora
