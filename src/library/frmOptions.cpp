#include "library/frmOptions.h"

#include "library/Clock.h"
#include "library/FileDialogs.h"
#include "library/MainWindowPorts.h"
#include "library/Messages.h"
#include "library/cOpt.h"
#include "library/cRecent.h"
#include "library/cSave.h"
#include "library/ui/OptionsPage.h"
#include "library/ui/TabPages.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace velmora {

namespace {

const char* const RangeCaptions[] = {"0 to 40,000", "0 to 6,40,000", "0 to 32,40,000"};

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void SetCheck(QCheckBox* box, std::int16_t value) {
    box->setChecked(value != 0);
}

std::int16_t Check(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

std::int16_t Position(const QSlider* slider) {
    return static_cast<std::int16_t>(slider->value());
}

} // namespace

frmOptions::frmOptions(const OptionsContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Velmora 2003 Options"));
    setModal(true);

    m_pages = new TabPages({QStringLiteral("General"), QStringLiteral("Animation"),
                            QStringLiteral("Autosave"), QStringLiteral("Players")},
                           {BuildGeneral(), BuildAnimation(), BuildAutosave(),
                            m_players = m_context.playersPage(this)},
                           this);
    auto* okButton = Button(this, "OKButton", "OK");
    okButton->setDefault(true);
    auto* cancelButton = Button(this, "CancelButton", "Cancel");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(ButtonRow({okButton, cancelButton}));
    // Room for a folder path on the Autosave page.
    setMinimumWidth(460);

    connect(okButton, &QPushButton::clicked, this, &frmOptions::OKButton_Click);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
}

frmOptions::~frmOptions() = default;

QWidget* frmOptions::BuildGeneral() {
    auto* page = new QWidget(this);
    auto* settings = new QGroupBox(QStringLiteral("Settings"), page);
    m_chkFlash = CheckBox(settings, "chkFlash", "Enable Flashing Title Bar");
    m_chkMessages = CheckBox(settings, "chkMessages", "Display Messages on Illegal Moves");
    m_chkDoubleClick = CheckBox(settings, "chkDoubleClick", "Double Click Moves Card to Free Cell");
    m_chkUnfinished = CheckBox(settings, "chkUnfinished", "Start Unfinished Game at Startup");
    auto* settingsLayout = new QVBoxLayout(settings);
    for (QCheckBox* box : {m_chkFlash, m_chkMessages, m_chkDoubleClick, m_chkUnfinished}) {
        settingsLayout->addWidget(box);
    }

    auto* range = new QGroupBox(QStringLiteral("Random Range"), page);
    auto* rangeLayout = new QVBoxLayout(range);
    for (std::size_t i = 0; i < m_optRange.size(); ++i) {
        m_optRange[i] = new QRadioButton(QString::fromLatin1(RangeCaptions[i]), range);
        m_optRange[i]->setObjectName(QStringLiteral("optRange") + QString::number(i + 1));
        rangeLayout->addWidget(m_optRange[i]);
    }

    auto* recent = new QGroupBox(QStringLiteral("Recent List"), page);
    m_cmdFlash = Button(recent, "cmdFlash", "Clear");
    auto* recentLayout = new QHBoxLayout(recent);
    recentLayout->addWidget(
        new QLabel(QStringLiteral("Click to Clear Recent Games List."), recent));
    recentLayout->addWidget(m_cmdFlash);
    connect(m_cmdFlash, &QPushButton::clicked, this, &frmOptions::cmdFlash_Click);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(settings);
    layout->addWidget(range);
    layout->addWidget(recent);
    return page;
}

QWidget* frmOptions::BuildAnimation() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    const auto addSlider = [&](const char* frameCaption, const char* name) {
        auto* frame = new QGroupBox(QString::fromLatin1(frameCaption), page);
        auto* slider = new QSlider(Qt::Horizontal, frame);
        slider->setObjectName(QString::fromLatin1(name));
        slider->setRange(1, 100);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(new QLabel(QStringLiteral("Fast"), frame));
        row->addWidget(slider, 1);
        row->addWidget(new QLabel(QStringLiteral("Slow"), frame));
        layout->addWidget(frame);
        return slider;
    };
    m_sdrFBSpeed = addSlider("Replay Speed", "sdrFBSpeed");
    m_sdrURAllSpeed = addSlider("Undoall/Redoall Speed", "sdrURAllSpeed");
    m_sdrURSpeed = addSlider("Undo/Redo Speed", "sdrURSpeed");
    m_sdrCardSpeed = addSlider("Card Moving Speed", "sdrCardSpeed");
    return page;
}

QWidget* frmOptions::BuildAutosave() {
    auto* page = new QWidget(this);
    m_chkIncomp = CheckBox(page, "chkIncomp", "Enable Incomplete AutoSave");
    m_txtIncomplete = new QLineEdit(page);
    m_txtIncomplete->setObjectName(QStringLiteral("txtIncomplete"));
    m_txtIncomplete->setAccessibleName(QStringLiteral("Incomplete AutoSave Folder"));
    m_cmdIncomplete = Button(page, "cmdIncomplete", "Browse");
    m_chkFinish = CheckBox(page, "chkFinish", "Enable Finished AutoSave");
    m_txtFinished = new QLineEdit(page);
    m_txtFinished->setObjectName(QStringLiteral("txtFinished"));
    m_txtFinished->setAccessibleName(QStringLiteral("Finished AutoSave Folder"));
    m_cmdFinished = Button(page, "cmdFinished", "Browse");
    m_chkDate = CheckBox(page, "chkDate", "Include Date in AutoSave File Name");
    m_chkTime = CheckBox(page, "chkTime", "Include Time in AutoSave File Name");

    // The two folders and the naming switches in three groups, as on the other pages; a check
    // box is only as wide as its caption, so a click beside it does not tick it.
    auto* layout = new QGridLayout(page);
    layout->addWidget(m_chkIncomp, 0, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(m_txtIncomplete, 1, 0);
    layout->addWidget(m_cmdIncomplete, 1, 1);
    layout->setRowMinimumHeight(2, 12);
    layout->addWidget(m_chkFinish, 3, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(m_txtFinished, 4, 0);
    layout->addWidget(m_cmdFinished, 4, 1);
    layout->setRowMinimumHeight(5, 12);
    layout->addWidget(m_chkDate, 6, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(m_chkTime, 7, 0, 1, 2, Qt::AlignLeft);
    layout->setRowStretch(8, 1);

    connect(m_chkIncomp, &QCheckBox::clicked, this, &frmOptions::AutoSave_Change);
    connect(m_chkFinish, &QCheckBox::clicked, this, &frmOptions::AutoSave_Change);
    connect(m_cmdFinished, &QPushButton::clicked, this,
            [this] { BrowseInto(m_txtFinished, m_context.save.FinishedDir()); });
    connect(m_cmdIncomplete, &QPushButton::clicked, this,
            [this] { BrowseInto(m_txtIncomplete, m_context.save.IncompleteDir()); });
    return page;
}

void frmOptions::Form_Load() {
    m_pages->Select(m_context.opt.TabIndex());
    GetSave();
    SliderInit();
    m_players->Load();
    GeneralInit();
}

void frmOptions::GeneralInit() {
    const int range = m_context.opt.RandomIndex();
    for (std::size_t i = 0; i < m_optRange.size(); ++i) {
        m_optRange[i]->setAutoExclusive(false);
        m_optRange[i]->setChecked(static_cast<int>(i) + 1 == range);
        m_optRange[i]->setAutoExclusive(true);
    }
    SetCheck(m_chkDoubleClick, m_context.opt.AllowDoubleClick());
    SetCheck(m_chkMessages, m_context.opt.ShowMessages());
    SetCheck(m_chkFlash, m_context.opt.EnableFlash());
    SetCheck(m_chkUnfinished, m_context.opt.EnableUnfinished());
    m_cmdFlash->setEnabled(m_context.recent.EnableFinish() || m_context.recent.EnableInComplete());
}

void frmOptions::SliderInit() {
    m_sdrCardSpeed->setValue(m_context.opt.CardSpeed());
    m_sdrURSpeed->setValue(m_context.opt.UndoRedoSpeed());
    m_sdrURAllSpeed->setValue(m_context.opt.UndoRedoAllSpeed());
    m_sdrFBSpeed->setValue(m_context.opt.FwdBackSpeed());
}

void frmOptions::GetSave() {
    const AutoSaveSettings page = m_context.save.GetSave();
    m_txtFinished->setText(page.finishedDir);
    m_txtIncomplete->setText(page.incompleteDir);
    SetCheck(m_chkIncomp, page.inCompleteSave);
    SetCheck(m_chkFinish, page.finishedSave);
    SetCheck(m_chkDate, page.includeDate);
    SetCheck(m_chkTime, page.includeTime);
    AutoSave_Change();
}

void frmOptions::AutoSave_Change() {
    const AutoSaveEnabling enabling =
        cSave::AutoSave_Change(m_chkFinish->isChecked(), m_chkIncomp->isChecked());
    m_chkDate->setEnabled(enabling.dateAndTime);
    m_chkTime->setEnabled(enabling.dateAndTime);
    m_txtFinished->setEnabled(enabling.finishedFolder);
    m_cmdFinished->setEnabled(enabling.finishedFolder);
    m_txtIncomplete->setEnabled(enabling.incompleteFolder);
    m_cmdIncomplete->setEnabled(enabling.incompleteFolder);
}

void frmOptions::OKButton_Click() {
    hide();
    m_context.opt.SaveSlider(Position(m_sdrCardSpeed), Position(m_sdrURSpeed),
                             Position(m_sdrURAllSpeed), Position(m_sdrFBSpeed));
    m_context.save.SaveAutoSave(Check(m_chkIncomp), Check(m_chkFinish), m_txtIncomplete->text(),
                                m_txtFinished->text(), Check(m_chkTime), Check(m_chkDate));
    m_context.opt.SaveGeneral(Check(m_chkDoubleClick), Check(m_chkMessages), Check(m_chkFlash),
                              Check(m_chkUnfinished), m_optRange[0]->isChecked(),
                              m_optRange[1]->isChecked(), m_optRange[2]->isChecked());
    m_players->Stored();
    if (m_context.view) {
        m_context.view->ShowToolbar(m_context.opt.ShowToolbar() != 0);
        m_context.view->ShowStatusbar(m_context.opt.ShowStatusbar() != 0);
        m_context.view->Relayout();
    }
    m_context.opt.TabIndex(static_cast<std::int16_t>(m_pages->Current()));
    accept();
}

void frmOptions::cmdFlash_Click() {
    if (!m_context.messages.Ask(QStringLiteral("Are you Sure you want to Clear Recent List ?"),
                                MessageIcon::Question, QStringLiteral("Cleare Recent List"))) {
        return;
    }
    m_context.recent.CrearRecent();
    m_cmdFlash->setEnabled(false);
}

void frmOptions::BrowseInto(QLineEdit* box, const QString& storedFolder) {
    const QString folder =
        m_context.fileDialogs.BrowseForFolder(QStringLiteral("Select A Directory"), storedFolder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return;
    }
    box->setText(folder);
}

} // namespace velmora
