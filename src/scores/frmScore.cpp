#include "scores/frmScore.h"

#include "engine/Ports.h"
#include "engine/SoundEvents.h"
#include "engine/Types.h"
#include "library/FileDialogs.h"
#include "library/Messages.h"
#include "library/cSave.h"
#include "scores/ScoreBoard.h"
#include "scores/cScore.h"
#include "scores/mScoreBoard.h"
#include "scores/ui/ProgressCharts.h"
#include "scores/ui/ReportModel.h"
#include "scores/ui/ScoreIcons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace velmora {

namespace {

const QString All = QStringLiteral("All");

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLabel* Label(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* Heading(QWidget* parent, const char* name, const char* caption) {
    QLabel* label = Label(parent, name, caption);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QComboBox* ImageList(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

/// A report list: rows of texts with an icon in the first column, no tree, one row selected.
/// `fill` lets the last column take the width left over.
QTreeView* ReportView(QWidget* parent, const char* name, ReportModel*& model, bool fill) {
    auto* view = new QTreeView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setAlternatingRowColors(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(fill);
    view->header()->setSectionsMovable(false);
    model = new ReportModel(view);
    view->setModel(model);
    return view;
}

void Fill(QComboBox* box, const QStringList& items, int selected, RowIcon icon) {
    const QSignalBlocker blocker(box);
    box->clear();
    const QIcon picture = ScoreIcons::Icon(icon);
    for (const QString& item : items) {
        box->addItem(picture, item);
    }
    box->setCurrentIndex(selected);
}

int Pixels(double twips) {
    return std::max(1, qRound(twips / TwipsPerPixel));
}

} // namespace

frmScore::frmScore(const ScoreContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("frmScore"));
    setWindowTitle(QStringLiteral("Score Board"));
    setModal(true);

    m_tabStrip = new QTabBar(this);
    m_tabStrip->setObjectName(QStringLiteral("TabStrip1"));
    m_tabStrip->setExpanding(false);
    for (const char* caption :
         {"General", "Score Board", "Statistics", "Top Scores", "Global Statistics", "Progress"}) {
        m_tabStrip->addTab(QString::fromLatin1(caption));
    }

    auto* pages = new QGridLayout;
    const std::array<QWidget*, PageCount> contents{BuildGeneral(),    BuildScoreBoard(),
                                                   BuildStatistics(), BuildTopScores(),
                                                   BuildGlobal(),     BuildProgress()};
    for (std::size_t i = 0; i < m_frames.size(); ++i) {
        m_frames[i] = new QGroupBox(this);
        m_frames[i]->setObjectName(QStringLiteral("frame") + QString::number(i + 1));
        auto* frameLayout = new QVBoxLayout(m_frames[i]);
        frameLayout->addWidget(contents[i]);
        pages->addWidget(m_frames[i], 0, 0);
    }
    m_frames[0]->setTitle(QStringLiteral("Genral Statistics"));

    m_cmdOK = Button(this, "cmdOK", "OK");
    m_cmdOK->setDefault(true);
    auto* cmdCancel = Button(this, "cmdCancel", "Cancel");
    auto* cmdClear = Button(this, "cmdClear", "Clear Score");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabStrip);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);
    resize(700, 540);

    connect(m_tabStrip, &QTabBar::currentChanged, this, &frmScore::TabStrip1_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmScore::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdClear, &QPushButton::clicked, this, &frmScore::cmdClear_Click);

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(100);
    connect(&m_timer1, &QTimer::timeout, this, &frmScore::Timer1_Timer);

    // Opening.
    if (m_context.sound) {
        m_context.sound->PlaySound(SoundScoreBoard);
    }
    int tab = m_context.score.TabIndex();
    if (tab < 1 || tab > PageCount) {
        tab = 1;
    }
    {
        const QSignalBlocker blocker(m_tabStrip);
        m_tabStrip->setCurrentIndex(tab - 1);
    }
    Create_All();
    TabStrip1_Click(tab - 1);
    const bool inProgress = m_context.game.GameInProgress();
    for (QLabel* label : m_thisGame) {
        label->setEnabled(inProgress);
    }
    Timer1_Timer();
    m_timer1.start();
}

frmScore::~frmScore() {
    m_timer1.stop();
}

QWidget* frmScore::BuildGeneral() {
    auto* page = new QWidget(this);
    m_lvwGeneral = ReportView(page, "lvwGeneral", m_general, false);
    m_lvwGeneral->setAccessibleName(QStringLiteral("General"));

    m_thisGame = {Heading(page, "lgmgame", "This Game"), Label(page, "lgmPlayer", "Player :"),
                  Label(page, "lgmMove", "Moves :"), Label(page, "lgmCards", "Cards Left :"),
                  Label(page, "lgmTime", "Time Elapsed :")};
    m_lgmPlayer = m_thisGame[1];
    m_lgmMove = m_thisGame[2];
    m_lgmCards = m_thisGame[3];
    m_lgmTime = m_thisGame[4];

    QLabel* session = Heading(page, "Label1", "This Session");
    m_lblStart = Label(page, "lblStart", "Session Started :");
    m_lblTotal = Label(page, "lblTotal", "Games Played :");
    m_lblWon = Label(page, "lblWon", "Games Won :");
    m_lblLost = Label(page, "lblLost", "Games Lost :");
    m_lblTime = Label(page, "lblTime", "Time Elapsed :");
    m_lblPerc = Label(page, "lblPerc", "Percentage :");

    auto* side = new QVBoxLayout;
    for (QLabel* label : m_thisGame) {
        side->addWidget(label);
    }
    side->addSpacing(12);
    for (QLabel* label :
         {session, m_lblStart, m_lblTotal, m_lblWon, m_lblLost, m_lblTime, m_lblPerc}) {
        side->addWidget(label);
    }
    side->addStretch();

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lvwGeneral, 3);
    layout->addSpacing(8);
    layout->addLayout(side, 2);
    return page;
}

QWidget* frmScore::BuildScoreBoard() {
    auto* page = new QWidget(this);
    m_imcUser = ImageList(page, "imcUser");
    m_imcDay = ImageList(page, "imcDay");
    m_chkFinished = new QCheckBox(QStringLiteral("Show Only Finished Games"), page);
    m_chkFinished->setObjectName(QStringLiteral("chkFinished"));
    m_lvwScore = ReportView(page, "lvwScore", m_scores, true);
    m_lvwScore->setAccessibleName(QStringLiteral("Score Board"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(m_imcUser);
    filters->addWidget(m_imcDay);
    filters->addSpacing(8);
    filters->addWidget(m_chkFinished);
    filters->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filters);
    layout->addWidget(m_lvwScore, 1);

    connect(m_imcUser, &QComboBox::activated, this, &frmScore::imcUser_Click);
    connect(m_imcDay, &QComboBox::activated, this, &frmScore::imcDay_Click);
    connect(m_chkFinished, &QCheckBox::clicked, this, &frmScore::chkFinished_Click);
    return page;
}

QWidget* frmScore::BuildStatistics() {
    auto* page = new QWidget(this);
    m_lvwStatistics = ReportView(page, "lvwStatistics", m_statistics, false);
    m_lvwStatistics->setAccessibleName(QStringLiteral("Statistics"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lvwStatistics);
    return page;
}

QWidget* frmScore::BuildTopScores() {
    auto* page = new QWidget(this);
    m_lvwTopScore = ReportView(page, "lvwTopScore", m_topScores, true);
    m_lvwTopScore->setAccessibleName(QStringLiteral("Top Scores"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lvwTopScore);
    return page;
}

QWidget* frmScore::BuildGlobal() {
    auto* page = new QWidget(this);
    m_lvwGlobal = ReportView(page, "lvwGlobal", m_global, true);
    m_lvwGlobal->setAccessibleName(QStringLiteral("Global Statistics"));

    auto* frmexport = new QGroupBox(page);
    frmexport->setObjectName(QStringLiteral("frmexport"));
    auto* cmdExport = Button(frmexport, "cmdExport", "Export Score");
    auto* cmdGlobal = Button(frmexport, "cmdGlobal", "Clear Global");
    m_lblFile = Label(frmexport, "lblFile", "File :");
    m_lblDate = Label(frmexport, "lblDate", "Date :");
    m_lblGeneral = Label(frmexport, "lblGeneral", "General");
    m_lblGlobal = Label(frmexport, "lblGlobal", "Global");
    auto* labels = new QVBoxLayout;
    for (QLabel* label : {m_lblFile, m_lblDate, m_lblGeneral, m_lblGlobal}) {
        labels->addWidget(label);
    }
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdGlobal);
    buttons->addStretch();
    auto* frameLayout = new QHBoxLayout(frmexport);
    frameLayout->addLayout(labels, 1);
    frameLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lvwGlobal, 1);
    layout->addWidget(frmexport);

    connect(cmdExport, &QPushButton::clicked, this, &frmScore::cmdExport_Click);
    connect(cmdGlobal, &QPushButton::clicked, this, &frmScore::cmdGlobal_Click);
    return page;
}

QWidget* frmScore::BuildProgress() {
    auto* page = new QWidget(this);
    m_imcProgress = ImageList(page, "imcProgress");
    m_imcProgress->setAccessibleName(QStringLiteral("Progress"));
    m_charts = new ProgressCharts(page);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Player :"), page));
    top->addWidget(m_imcProgress);
    top->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_charts, 1);
    connect(m_imcProgress, &QComboBox::activated, this, &frmScore::ShowProgress);
    return page;
}

void frmScore::TabStrip1_Click(int index) {
    for (QGroupBox* frame : m_frames) {
        frame->hide();
    }
    if (index < 0 || index >= PageCount) {
        return;
    }
    if (index == ProgressTab && !m_progressShown) {
        // The charts are drawn the first time their page is shown.
        m_progressShown = true;
        Fill(m_imcProgress, m_context.score.Filters().players,
             m_context.score.Filters().selectedPlayer, RowIcon::User);
        ShowProgress();
    }
    m_frames[static_cast<std::size_t>(index)]->show();
    ApplyWidths();
}

void frmScore::cmdOK_Click() {
    m_context.score.TabIndex(static_cast<std::int16_t>(m_tabStrip->currentIndex() + 1));
    accept();
}

void frmScore::cmdClear_Click() {
    if (!m_context.messages.Ask(QStringLiteral("Are you sure you want to clear Score Board ? "),
                                MessageIcon::Critical)) {
        return;
    }
    if (auto cleared = m_context.score.Clear_General(); !cleared) {
        m_context.messages.Message(QString::fromStdString(cleared.error().message),
                                   MessageIcon::Exclamation);
    }
    Create_All();
}

void frmScore::cmdGlobal_Click() {
    if (!m_context.messages.Ask(
            QStringLiteral("Are you sure you want to delete Global and General scores ? "),
            MessageIcon::Critical)) {
        return;
    }
    // Both or neither: the totals stay when the score file could not be emptied.
    if (auto cleared = m_context.score.Clear_General(); !cleared) {
        m_context.messages.Message(QString::fromStdString(cleared.error().message),
                                   MessageIcon::Exclamation);
    } else {
        m_context.score.Clear_Global();
    }
    Create_All();
}

void frmScore::cmdExport_Click() {
    const QString name = m_context.fileDialogs.SaveFileName(
        m_context.save.ExportFolder(), m_context.score.ExportFileName(), QString(),
        QStringLiteral("Text File (*.txt) |*.txt"), QStringLiteral("Select a File to Export"));
    // A cancelled dialog returns no name, and so no folder.
    const QFileInfo info(name);
    if (name.isEmpty() || !info.isAbsolute() || !info.absoluteDir().exists()) {
        return;
    }
    if (auto exported = m_context.score.ExportScore(name); !exported) {
        m_context.messages.Message(QString::fromStdString(exported.error().message),
                                   MessageIcon::Exclamation);
    }
    Create_All();
}

void frmScore::imcUser_Click() {
    m_context.score.ListScore(m_imcUser->currentText(), m_chkFinished->isChecked());
    ShowList(m_lvwScore, m_scores, m_context.score.ScoreList());
    m_cmdOK->setFocus();
}

void frmScore::imcDay_Click() {
    m_context.score.DayComboIndex(static_cast<std::int16_t>(m_imcDay->currentIndex() + 1));
    m_context.score.ListScore(m_imcUser->currentText(), m_chkFinished->isChecked());
    ShowList(m_lvwScore, m_scores, m_context.score.ScoreList());
    m_cmdOK->setFocus();
}

void frmScore::chkFinished_Click() {
    m_context.score.ListScore(m_imcUser->currentText(), m_chkFinished->isChecked());
    ShowList(m_lvwScore, m_scores, m_context.score.ScoreList());
}

void frmScore::Timer1_Timer() {
    const std::int32_t game = m_context.game.GameInProgress() ? m_context.game.GameTime() : 0;
    m_lgmTime->setText(QStringLiteral("Time Elapsed : ") + cScore::ConvertTimeS(game));
    m_lblTime->setText(QStringLiteral("Time Elapsed : ") +
                       cScore::ConvertTimeS(m_context.game.SessionTime()));
}

void frmScore::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ApplyWidths();
}

void frmScore::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ApplyWidths();
}

void frmScore::Create_All() {
    m_context.score.Create_All(m_context.game, m_chkFinished->isChecked());
    Rebuild();
}

void frmScore::Rebuild() {
    ShowFilters();
    ShowList(m_lvwScore, m_scores, m_context.score.ScoreList());
    ShowList(m_lvwStatistics, m_statistics, m_context.score.StatisticsList());
    ShowList(m_lvwTopScore, m_topScores, m_context.score.TopScoreList());
    ShowList(m_lvwGeneral, m_general, m_context.score.GeneralList());
    ShowList(m_lvwGlobal, m_global, m_context.score.GlobalList());
    ShowLabels();
    if (m_progressShown) {
        Fill(m_imcProgress, m_context.score.Filters().players,
             m_context.score.Filters().selectedPlayer, RowIcon::User);
        ShowProgress();
    }
    ApplyWidths();
}

void frmScore::ShowFilters() {
    const ScoreFilters& filters = m_context.score.Filters();
    Fill(m_imcUser, filters.players, filters.selectedPlayer, RowIcon::User);
    Fill(m_imcDay, filters.days, filters.selectedDay, RowIcon::General);
}

void frmScore::ShowList(QTreeView* view, ReportModel* model, const ReportList& list) {
    model->Show(&list);
    for (std::size_t i = 0; i < list.columns.size(); ++i) {
        if (list.columns[i].width > 0) {
            view->header()->resizeSection(static_cast<int>(i), Pixels(list.columns[i].width));
        }
    }
}

void frmScore::ApplyWidths() {
    // The two lists whose widths follow the list's own width.
    const double general = m_lvwGeneral->width() * TwipsPerPixel;
    const auto generalWidths = mScoreBoard::GeneralWidths(general);
    for (int i = 0; i < 2 && i < m_general->columnCount(); ++i) {
        m_lvwGeneral->header()->resizeSection(i,
                                              Pixels(generalWidths[static_cast<std::size_t>(i)]));
    }
    const int columns = m_statistics->columnCount();
    const auto widths =
        mScoreBoard::StatisticsWidths(columns, m_lvwStatistics->width() * TwipsPerPixel);
    for (int i = 0; i < columns && columns > 1; ++i) {
        m_lvwStatistics->header()->resizeSection(i, Pixels(widths[static_cast<std::size_t>(i)]));
    }
}

void frmScore::ShowLabels() {
    const ScoreLabels& labels = m_context.score.Labels();
    m_lblStart->setText(labels.lblStart);
    m_lblTotal->setText(labels.lblTotal);
    m_lblWon->setText(labels.lblWon);
    m_lblLost->setText(labels.lblLost);
    m_lblPerc->setText(labels.lblPerc);
    m_lgmPlayer->setText(labels.lgmPlayer);
    m_lgmMove->setText(labels.lgmMove);
    m_lgmCards->setText(labels.lgmCards);
    m_lblFile->setText(labels.lblFile);
    m_lblDate->setText(labels.lblDate);
    m_lblGlobal->setText(labels.lblGlobal);
    m_lblGeneral->setText(labels.lblGeneral);
}

void frmScore::ShowProgress() {
    const QString player = m_imcProgress->currentIndex() >= 0 ? m_imcProgress->currentText() : All;
    m_charts->Show(m_context.score.Progress(player));
}

} // namespace velmora
