#include "scores/dlgFinish.h"

#include "engine/Ports.h"
#include "engine/SoundEvents.h"
#include "library/AppFolders.h"
#include "library/FileDialogs.h"
#include "library/Messages.h"
#include "library/cRecent.h"
#include "library/cSave.h"
#include "scores/FinishPorts.h"
#include "scores/cFinish.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int KeyRole = Qt::UserRole;

int Position(const QListWidget* list) {
    return list->currentRow() + 1;
}

void SelectPosition(QListWidget* list, int position) {
    if (position >= 1 && position <= list->count()) {
        list->setCurrentRow(position - 1);
    }
}

} // namespace

dlgFinish::dlgFinish(const FinishContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("dlgFinish"));
    setWindowTitle(QStringLiteral("Congrats You Win !"));
    setModal(true);

    auto* frame1 = new QGroupBox(QStringLiteral("Select"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    m_imcGame = new QListWidget(frame1);
    m_imcGame->setObjectName(QStringLiteral("imcGame"));
    m_imcGame->setAccessibleName(QStringLiteral("Select"));
    const QIcon gameIcon = style()->standardIcon(QStyle::SP_FileIcon);
    const std::pair<const char*, const char*> actions[] = {{"New", "Start a New Game"},
                                                           {"Select", "Select a New Game"},
                                                           {"Restart", "Restart the Same Game"},
                                                           {"Open", "Open an Existing Game"}};
    for (const auto& [key, text] : actions) {
        auto* item = new QListWidgetItem(gameIcon, QString::fromLatin1(text), m_imcGame);
        item->setData(KeyRole, QString::fromLatin1(key));
        if (!m_context.selectAvailable && QLatin1String(key) == QLatin1String("Select")) {
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        }
    }
    auto* frame1Layout = new QVBoxLayout(frame1);
    frame1Layout->addWidget(m_imcGame);

    auto* frame2 = new QGroupBox(QStringLiteral("Options"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    m_chkSave = new QCheckBox(QStringLiteral("Save this Game"), frame2);
    m_chkSave->setObjectName(QStringLiteral("chkSave"));
    m_txtSave = new QLineEdit(frame2);
    m_txtSave->setObjectName(QStringLiteral("txtSave"));
    m_txtSave->setAccessibleName(QStringLiteral("Save this Game"));
    m_cmdBrowse = new QPushButton(QStringLiteral("Browse"), frame2);
    m_cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    m_chkFav = new QCheckBox(QStringLiteral("Add To Favorites"), frame2);
    m_chkFav->setObjectName(QStringLiteral("chkFav"));
    m_txtFav = new QLineEdit(frame2);
    m_txtFav->setObjectName(QStringLiteral("txtFav"));
    m_txtFav->setAccessibleName(QStringLiteral("Add To Favorites"));
    m_imc1 = new QListWidget(frame2);
    m_imc1->setObjectName(QStringLiteral("imc1"));
    m_imc1->setAccessibleName(QStringLiteral("Favorites Folder"));
    auto* frame2Layout = new QGridLayout(frame2);
    frame2Layout->addWidget(m_chkSave, 0, 0, 1, 2);
    frame2Layout->addWidget(m_txtSave, 1, 0);
    frame2Layout->addWidget(m_cmdBrowse, 1, 1);
    frame2Layout->addWidget(m_chkFav, 2, 0, 1, 2);
    frame2Layout->addWidget(m_txtFav, 3, 0, 1, 2);
    frame2Layout->addWidget(m_imc1, 4, 0, 1, 2);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* columns = new QHBoxLayout;
    columns->addWidget(frame1, 2);
    columns->addWidget(frame2, 4);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    // Room for the usual saved-games path in txtSave.
    resize(720, 340);

    // Opening, in order: the favourites folders, the next actions, the remembered values.
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QDir favourites(m_context.save.FavFolder());
    for (const QFileInfo& folder :
         favourites.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        auto* item = new QListWidgetItem(
            closed, QStringLiteral("Favorites -> ") + folder.fileName(), m_imc1);
        item->setData(KeyRole, folder.absoluteFilePath());
    }
    const QString number = QString::number(m_context.gameNumber);
    // The proposed folder is saved into only when it exists.
    static_cast<void>(MakeFolder(m_context.save.SaveFolder()));
    m_txtSave->setText(JoinPath(m_context.save.SaveFolder(), number));
    m_txtFav->setText(number + QStringLiteral(" Played by ") + m_context.playerName);
    m_chkFav->setChecked(m_context.finish.FavEnable() == 1);
    m_chkSave->setChecked(m_context.finish.SaveEnable() == 1);
    SelectPosition(m_imcGame, m_context.finish.LastSelectIndex());
    if (!m_imcGame->currentItem() || !(m_imcGame->currentItem()->flags() & Qt::ItemIsEnabled)) {
        m_imcGame->setCurrentRow(0);
    }
    SelectPosition(m_imc1, m_context.finish.LastFavIndex());
    if (!m_imc1->currentItem() && m_imc1->count() > 0) {
        m_imc1->setCurrentRow(0);
    }
    Enabling();

    connect(m_chkSave, &QCheckBox::clicked, this, &dlgFinish::Enabling);
    connect(m_chkFav, &QCheckBox::clicked, this, &dlgFinish::Enabling);
    connect(m_imc1, &QListWidget::itemClicked, this, [this] {
        m_txtFav->selectAll();
        m_txtFav->setFocus();
    });
    connect(m_imcGame, &QListWidget::itemClicked, ok, [ok] { ok->setFocus(); });
    connect(m_cmdBrowse, &QPushButton::clicked, this, &dlgFinish::cmdBrowse_Click);
    connect(ok, &QPushButton::clicked, this, &dlgFinish::OKButton_Click);
    connect(cancel, &QPushButton::clicked, this, &dlgFinish::CancelButton_Click);

    if (m_context.sound) {
        m_context.sound->PlaySound(SoundWinGame);
    }
}

void dlgFinish::Enabling() {
    m_txtSave->setEnabled(m_chkSave->isChecked());
    m_cmdBrowse->setEnabled(m_chkSave->isChecked());
    m_txtFav->setEnabled(m_chkFav->isChecked());
    m_imc1->setEnabled(m_chkFav->isChecked());
}

QString dlgFinish::FavouritePath() const {
    const QListWidgetItem* folder = m_imc1->currentItem();
    if (!folder) {
        return {};
    }
    return JoinPath(folder->data(KeyRole).toString(), m_txtFav->text() + QStringLiteral(".v2k"));
}

void dlgFinish::cmdBrowse_Click() {
    const QString folder = m_context.fileDialogs.BrowseForFolder(
        QStringLiteral("Select A Directory"), m_context.save.SaveFolder());
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return;
    }
    m_txtSave->setText(JoinPath(folder, QString::number(m_context.gameNumber)));
}

void dlgFinish::OKButton_Click() {
    if (m_closed) {
        return;
    }
    m_closed = true;
    hide();
    const QString favourite = FavouritePath();
    cFinish& finish = m_context.finish;
    finish.FavEnable(m_chkFav->isChecked() ? 1 : 0);
    if (m_imc1->currentItem()) {
        finish.LastFavIndex(static_cast<std::int16_t>(Position(m_imc1)));
    }
    finish.LastSelectIndex(static_cast<std::int16_t>(std::max(1, Position(m_imcGame))));
    finish.SaveEnable(m_chkSave->isChecked() ? 1 : 0);

    auto report = [this](const Result<void>& saved) {
        if (!saved) {
            ShowError(m_context.messages, saved.error());
        }
        return saved.has_value();
    };

    const QString savePath = m_txtSave->text() + QStringLiteral(".v2k");
    const QFileInfo saveInfo(m_txtSave->text());
    // Only a full path names a folder; a bare name is not saved into the working folder.
    if (finish.SaveEnable() == 1 && saveInfo.isAbsolute() && saveInfo.absoluteDir().exists()) {
        m_context.save.SaveFolder(saveInfo.absolutePath());
        if (report(m_context.actions.SaveGame(savePath)) && m_context.save.FinishedSave() == 0) {
            m_context.recent.AddtoRecent(savePath);
        }
    }

    if (finish.FavEnable() == 1 && !favourite.isEmpty()) {
        const bool write =
            !QFileInfo::exists(favourite) ||
            m_context.messages.Ask(QStringLiteral("File ") + favourite +
                                       QStringLiteral(" exists! Do you want to overwrite ?"),
                                   MessageIcon::Question);
        if (write) {
            report(m_context.actions.SaveGame(favourite));
        }
    }

    const QListWidgetItem* next = m_imcGame->currentItem();
    const QString key = next ? next->data(KeyRole).toString() : QStringLiteral("New");
    m_context.actions.GameWon();
    m_context.actions.SelectGame(key);
    QDialog::accept();
}

void dlgFinish::CancelButton_Click() {
    if (m_closed) {
        return;
    }
    m_closed = true;
    m_context.actions.GameWon();
    m_context.actions.NoGame();
    QDialog::reject();
}

void dlgFinish::reject() {
    CancelButton_Click();
}

} // namespace velmora
