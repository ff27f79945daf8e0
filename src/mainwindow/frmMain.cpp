#include "mainwindow/frmMain.h"

#include "appearance/cSound.h"
#include "appearance/frmCustomize.h"
#include "appearance/frmSetting.h"
#include "appearance/ui/Background.h"
#include "engine/PointerRules.h"
#include "engine/TablePress.h"
#include "engine/cCards.h"
#include "engine/cGame.h"
#include "engine/mGame.h"
#include "engine/mPics.h"
#include "history/GameSession.h"
#include "library/Clock.h"
#include "library/FileDialogs.h"
#include "library/GeneralDate.h"
#include "library/Messages.h"
#include "library/cOpt.h"
#include "library/cSave.h"
#include "library/frmOptions.h"
#include "library/ui/DialogRunner.h"
#include "mainwindow/CommandTable.h"
#include "mainwindow/GameApp.h"
#include "mainwindow/LibraryCommands.h"
#include "mainwindow/MenuLayout.h"
#include "mainwindow/SolverTask.h"
#include "mainwindow/TableDescription.h"
#include "mainwindow/TableGeometry.h"
#include "mainwindow/TableWidget.h"
#include "mainwindow/ToolbarIcons.h"
#include "mainwindow/cMenu.h"
#include "mainwindow/dlgAbout.h"
#include "mainwindow/dlgMove.h"
#include "mainwindow/frmHelp.h"
#include "mainwindow/frmSource.h"
#include "platform/SettingsStore.h"
#include "scores/cPlayer.h"
#include "scores/dlgFinish.h"
#include "scores/frmScore.h"
#include "scores/ui/PlayersPage.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

#include <utility>

namespace velmora {

namespace {

/// The application's style without the frame the status bar draws around each item.
class StatusBarStyle final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameStatusBarItem) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }
};

/// How long a hint marks the target of its move.
constexpr int HintMarkMilliseconds = 1500;
/// The longest the sound module and the start-up's settings wait for the table's first picture.
constexpr int SoundHoldLimitMs = 2000;

const QString NotFoundInTime = QStringLiteral("No winning line was found in the time allowed.");

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// The place a press of the press alphabet names on the table: a column's exposed card (its
/// top slot when empty), a free cell or a home cell.
Location PressedLocation(const GameState& state, char press) {
    if (press >= 'A' && press <= 'H') {
        const auto column = static_cast<Location>(press - 'A');
        const Location exposed = state.Game().GetBottomCardLocation(column);
        return exposed == NoLocation ? column : exposed;
    }
    if (press >= '1' && press <= '4') {
        return static_cast<Location>(FirstFreeCell + (press - '1'));
    }
    return static_cast<Location>(FirstHomeCell + (press - '5'));
}

/// Where typing is meant for the field, not the table.
bool IsTextField(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
        qobject_cast<const QPlainTextEdit*>(widget) ||
        qobject_cast<const QAbstractSpinBox*>(widget)) {
        return true;
    }
    const auto* combo = qobject_cast<const QComboBox*>(widget);
    return combo && combo->isEditable();
}

} // namespace

frmMain::frmMain(const MainWindowContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velmora 2003"));
    // The window shows the application's icon, set once in main.
    ApplyMinimumSize(1.0);

    m_table = new TableWidget(this);
    m_table->setAnimationsEnabled(context.animations);
    m_table->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(m_table);

    // Told after the event that wrote: a setter may run deep inside a move or the start-up.
    m_context.store.SetFailureReport([this](const QString& text) {
        QTimer::singleShot(
            0, this, [this, text] { m_context.messages.Message(text, MessageIcon::Exclamation); });
    });
    CreateObjects();
    BuildMenus();
    BuildToolbar();
    BuildStatusBar();

    m_tmGeneral.setObjectName(QStringLiteral("tmGeneral"));
    m_tmrTime.setObjectName(QStringLiteral("tmrTime"));
    m_tmrForward.setObjectName(QStringLiteral("tmrForward"));
    m_tmrBackward.setObjectName(QStringLiteral("tmrBackward"));
    m_tmrFlash.setObjectName(QStringLiteral("tmrFlash"));
    m_tmrWallpaper.setObjectName(QStringLiteral("tmrWallpaper"));
    m_tmrHint.setObjectName(QStringLiteral("tmrHint"));
    m_tmrHint.setSingleShot(true);
    m_tmrHint.setInterval(HintMarkMilliseconds);
    m_tmGeneral.setInterval(300);
    m_tmrTime.setInterval(100);
    m_tmrForward.setInterval(500);
    m_tmrBackward.setInterval(500);
    m_tmrFlash.setInterval(500);
    connect(&m_tmGeneral, &QTimer::timeout, this, &frmMain::GeneralTick);
    connect(&m_tmrTime, &QTimer::timeout, this, &frmMain::TimeTick);
    connect(&m_tmrForward, &QTimer::timeout, this, &frmMain::ForwardTick);
    connect(&m_tmrBackward, &QTimer::timeout, this, &frmMain::BackwardTick);
    connect(&m_tmrFlash, &QTimer::timeout, this, &frmMain::FlashTick);
    connect(&m_tmrWallpaper, &QTimer::timeout, this, &frmMain::WallpaperTick);
    connect(&m_tmrHint, &QTimer::timeout, this, &frmMain::HintTick);

    connect(m_table, &TableWidget::cardPressed, this,
            [this](int card, Qt::MouseButton button, int, int) { CardPressed(card, button); });
    connect(m_table, &TableWidget::cardReleased, this, &frmMain::CardReleased);
    connect(m_table, &TableWidget::cardMoved, this, &frmMain::CardMoved);
    connect(m_table, &TableWidget::cardDoubleClicked, this, &frmMain::CardDoubleClicked);
    connect(m_table, &TableWidget::freeCellFrameClicked, this, &frmMain::FreeCellClicked);
    connect(m_table, &TableWidget::tablePressed, this,
            [this](Qt::MouseButton, int x, int y) { TablePressed(x, y); });
    connect(m_table, &TableWidget::keyPressed, this, &frmMain::KeyPressed);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { KeepTableFocus(now); });

    m_app->StartUp();
    if (!m_app->QuitRequested()) {
        GeneralTick();
    }
    m_tmGeneral.start();
}

frmMain::~frmMain() {
    // Hiding the window on its way out moves the focus: no call into a half-destroyed window.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    m_solverTask->Cancel();
    m_context.store.SetFailureReport({});
    m_tmGeneral.stop();
    m_tmrTime.stop();
    m_tmrForward.stop();
    m_tmrBackward.stop();
    m_tmrFlash.stop();
    m_tmrWallpaper.stop();
}

void frmMain::CreateObjects() {
    m_solverTask = new SolverTask(this);
    m_solverLimits.time = std::chrono::seconds(5);
    // The stored sound is read when it plays; the game exists by then.
    m_sound = std::make_unique<cSound>([this](int event) { return m_app->Setting().Sound(event); });
    // The sound module loads, and the start-up's settings reach the file, once the table is on
    // screen (the start sound waits for it), or after a while for a window that is never shown.
    m_sound->Hold();
    const auto afterFirstFrame = [this] {
        m_sound->Release();
        m_context.store.Flush();
        if (!m_startUpSettled) {
            m_startUpSettled = true;
            emit startUpSettled();
        }
    };
    connect(
        m_table, &TableWidget::firstPainted, this,
        [this, afterFirstFrame] {
            afterFirstFrame();
            GiveWindowIcon();
            emit firstFrameShown();
        },
        Qt::QueuedConnection);
    qApp->installEventFilter(this);
    QTimer::singleShot(SoundHoldLimitMs, this, afterFirstFrame);
    m_app = std::make_unique<GameApp>(m_context,
                                      AppWindowPorts{*this, *this, *this, *this, *this, *this,
                                                     *this, *this, *this, *m_table, *this, *this});
    cMenu& menu = m_app->Menu();
    menu.SetHandler(CommandId::Exit, [this] { ExitAtOnce(); });
    menu.SetHandler(CommandId::Source, [this] { ShowSource(); });
    menu.SetHandler(CommandId::Options, [this] { ShowOptions(); });
    menu.SetHandler(CommandId::Contents, [this] { ShowHelp(); });
    menu.SetHandler(CommandId::About, [this] { ShowAbout(); });
    menu.SetHandler(CommandId::Customize, [this] { ShowCustomize(); });
    menu.SetHandler(CommandId::Settings, [this] { ShowSettings(); });
    menu.SetHandler(CommandId::ScoreBoard, [this] { ShowScoreBoard(); });
    menu.SetHandler(CommandId::Hint, [this] { StartHint(); });
    menu.SetHandler(CommandId::ShowSolution, [this] { StartShowSolution(); });
    m_library = std::make_unique<LibraryCommands>(LibraryCommands::Parts{
        menu, m_app->Session(), m_app->Opt(), m_app->Save(), m_app->Recent(), m_app->Player(),
        m_app->Sound(), m_context.messages, m_context.fileDialogs, ModalRunner(),
        [this](const QString& text) { SetCaption(m_caption + text); }, this});
    m_library->Register(menu);
}

IDialogRunner& frmMain::ModalRunner() const {
    return m_context.dialogRunner != nullptr ? *m_context.dialogRunner : DefaultDialogRunner();
}

bool frmMain::QuitRequested() const {
    return m_app->QuitRequested();
}

GameSession& frmMain::Session() {
    return m_app->Session();
}

cMenu& frmMain::Menu() {
    return m_app->Menu();
}

cOpt& frmMain::Opt() {
    return m_app->Opt();
}

cSave& frmMain::Save() {
    return m_app->Save();
}

cSetting& frmMain::Setting() {
    return m_app->Setting();
}

void frmMain::BuildMenus() {
    for (const MenuLayout::Menu& layout : MenuLayout::MenuBar()) {
        QMenu* menu = menuBar()->addMenu(Text(layout.caption));
        menu->setObjectName(Text(layout.name));
        m_actions[menu->objectName()] = menu->menuAction();
        for (const MenuLayout::Item& item : layout.items) {
            switch (item.kind) {
            case MenuLayout::Item::Kind::Separator:
                menu->addSeparator();
                break;
            case MenuLayout::Item::Kind::RecentList:
                BuildRecentMenu(menu, item.command);
                break;
            case MenuLayout::Item::Kind::Submenu:
                BuildSubmenu(menu, item);
                break;
            case MenuLayout::Item::Kind::Command:
                BuildCommand(menu, item.command);
                break;
            }
        }
    }
}

void frmMain::BuildCommand(QMenu* menu, CommandId id) {
    const CommandRow& row = RowOf(id);
    QAction* action = menu->addAction(Text(row.caption));
    action->setObjectName(Text(row.name));
    if (!row.shortcut.empty()) {
        action->setShortcut(QKeySequence(Text(row.shortcut)));
    }
    action->setCheckable(row.checkable);
    action->setEnabled(m_app->Menu().Enabled(id));
    m_actions[action->objectName()] = action;
    m_commandActions[Index(id)] = action;
    connect(action, &QAction::triggered, this, [this, id] { Command(id); });
}

void frmMain::BuildSubmenu(QMenu* menu, const MenuLayout::Item& item) {
    const CommandRow& row = RowOf(item.command);
    QMenu* sub = menu->addMenu(Text(row.caption));
    sub->setObjectName(Text(row.name));
    m_actions[sub->objectName()] = sub->menuAction();
    m_commandActions[Index(item.command)] = sub->menuAction();
    std::map<int, QActionGroup*> groups;
    for (const CommandId id : item.submenu) {
        BuildCommand(sub, id);
        if (const int group = RowOf(id).radioGroup; group != 0) {
            QActionGroup*& actions = groups[group];
            if (!actions) {
                actions = new QActionGroup(sub);
            }
            actions->addAction(m_commandActions[Index(id)]);
        }
    }
}

void frmMain::BuildRecentMenu(QMenu* menu, CommandId list) {
    const CommandRow& row = RowOf(list);
    QMenu* sub = menu->addMenu(Text(row.caption));
    sub->setObjectName(Text(row.name));
    m_actions[sub->objectName()] = sub->menuAction();
    m_commandActions[Index(list)] = sub->menuAction();
    const bool finished = list == CommandId::RecentFinished;
    for (int i = 1; i <= MenuLayout::RecentEntries; ++i) {
        QAction* action = sub->addAction(QStringLiteral("&") + QString::number(i));
        action->setObjectName(QString::fromStdString(MenuLayout::RecentEntryName(list, i)));
        action->setVisible(false);
        m_actions[action->objectName()] = action;
        (finished ? m_recentFinished : m_recentIncomplete)[static_cast<std::size_t>(i - 1)] =
            action;
        const int slot = i + (finished ? 0 : MenuLayout::RecentEntries);
        connect(action, &QAction::triggered, this, [this, slot] {
            m_table->finishAnimations();
            m_app->Menu().OpenRecent(slot);
        });
    }
    QAction* none = sub->addAction(QStringLiteral("None"));
    none->setObjectName(QString::fromStdString(MenuLayout::RecentEntryName(list, 0)));
    none->setEnabled(false);
    m_actions[none->objectName()] = none;
    (finished ? m_recentFinishedNone : m_recentIncompleteNone) = none;
}

void frmMain::BuildToolbar() {
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setAccessibleName(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(18, 18));
    for (const MenuLayout::ToolbarButton& button : MenuLayout::Toolbar()) {
        if (button.position == 1) {
            m_playerCombo = new QComboBox(m_toolbar);
            m_playerCombo->setAccessibleName(QStringLiteral("Player"));
            m_playerCombo->setObjectName(QStringLiteral("ImageCombo1"));
            m_playerCombo->setMinimumWidth(1600 / TwipsPerPixel);
            m_playerCombo->setFocusPolicy(Qt::ClickFocus);
            m_toolbarPositions[1] = m_toolbar->addWidget(m_playerCombo);
            connect(m_playerCombo, &QComboBox::activated, this, [this](int index) {
                if (!m_fillingCombo) {
                    m_app->Menu().PlayerChosen(index + 1);
                }
            });
            continue;
        }
        if (!button.command) {
            m_toolbarPositions[static_cast<std::size_t>(button.position)] =
                m_toolbar->addSeparator();
            continue;
        }
        const CommandId id = *button.command;
        const CommandRow& row = RowOf(id);
        const QString key = Text(row.toolbarKey);
        QAction* action = m_toolbar->addAction(ToolbarIcon(key), Text(row.toolTip));
        action->setObjectName(QStringLiteral("tb") + key);
        action->setToolTip(Text(row.toolTip));
        action->setEnabled(m_app->Menu().Enabled(id));
        m_commandButtons[Index(id)] = action;
        m_toolbarPositions[static_cast<std::size_t>(button.position)] = action;
        connect(action, &QAction::triggered, this, [this, id] { Command(id); });
    }
}

void frmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setAccessibleName(QStringLiteral("Status Bar"));
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    // The panels draw their own frames: no second frame around each item. A style of its own
    // rather than a style sheet, which would put the bar and its panels through the style sheet
    // machinery at start.
    auto* style = new StatusBarStyle;
    style->setParent(bar);
    bar->setStyle(style);
    QFont font = bar->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    // Named for a screen reader even while empty (no game).
    static const std::array<QString, 5> Names{
        QStringLiteral("Movements"), QStringLiteral("Cards Left"), QStringLiteral("Possible Moves"),
        QStringLiteral("Game Points"), QStringLiteral("Session Time")};
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(bar);
        panel->setAccessibleName(Names[static_cast<std::size_t>(i)]);
        panel->setObjectName(QStringLiteral("Panel") + QString::number(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setFont(font);
        panel->setMinimumWidth(40);
        panel->setContentsMargins(1, 0, 1, 0);
        bar->addPermanentWidget(panel, 1);
        m_panels[static_cast<std::size_t>(i)] = panel;
    }
}

void frmMain::GiveWindowIcon() {
    if (m_windowIconGiven) {
        return;
    }
    m_windowIconGiven = true;
    qApp->removeEventFilter(this);
    QApplication::setWindowIcon(WindowIcon());
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        GiveWindowIcon();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::ExitAtOnce() {
    m_exitAtOnce = true;
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!m_exitAtOnce && !m_shutDown) {
        m_app->Shutdown();
    }
    m_shutDown = true;
    event->accept();
}

QAction* frmMain::Action(const QString& name) const {
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

void frmMain::Command(const QString& name) {
    if (const auto id = CommandByName(name.toStdString())) {
        Command(*id);
    }
}

void frmMain::Command(CommandId id) {
    // A command acts on the board as it is: cards still sliding are put in place first.
    m_table->finishAnimations();
    m_app->Menu().Run(id);
    if (QAction* action = m_commandActions[Index(id)]; action && action->isCheckable()) {
        action->setChecked(m_app->Menu().Checked(id));
    }
    GeneralTick();
}

// Timers ------------------------------------------------------------------------------------

void frmMain::GeneralTick() {
    OpenHandedOver();
    m_app->Menu().Update_Menu();
    m_table->setTableText(
        QString::fromStdString(DescribeTable(m_app->Session().State(), m_app->Session().Trans())));
}

void frmMain::SecondStart(const QString& commandLine) {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    if (!commandLine.trimmed().isEmpty()) {
        m_handedOver = commandLine;
        OpenHandedOver();
    }
}

void frmMain::OpenHandedOver() {
    // While a dialog is open the file waits: the next tick of tmGeneral asks again.
    if (!m_handedOver || QApplication::activeModalWidget() != nullptr) {
        return;
    }
    const QString commandLine = *std::exchange(m_handedOver, std::nullopt);
    m_table->finishAnimations();
    m_app->Menu().OpenCommandLine(commandLine);
    m_app->Menu().Update_Menu();
}

void frmMain::TimeTick() {
    m_app->Menu().TimeTick();
}

void frmMain::ForwardTick() {
    m_app->Session().Trans().ForwardStep(m_app->Opt().FwdBackSpeed());
}

void frmMain::BackwardTick() {
    m_app->Session().Trans().BackwardStep(m_app->Opt().FwdBackSpeed());
}

void frmMain::StartFlash(int interval, int ticks) {
    m_flashTicks = ticks;
    m_tmrFlash.setInterval(interval);
    m_flashCount = 0;
    m_tmrFlash.start();
    m_panels[2]->setFrameShadow(QFrame::Raised);
    QApplication::alert(this, interval * (ticks + 1));
}

void frmMain::FlashTick() {
    m_inverted = !m_inverted;
    ++m_inversions;
    ShowFlashState(m_inverted);
    ++m_flashCount;
    if (!PointerRules::FlashEnds(m_flashCount, m_flashTicks)) {
        return;
    }
    m_tmrFlash.stop();
    m_inverted = false;
    ShowFlashState(false);
    m_panels[2]->setFrameShadow(QFrame::Sunken);
}

void frmMain::ShowFlashState(bool inverted) {
    QLabel* panel = m_panels[2];
    if (inverted) {
        panel->setStyleSheet(QStringLiteral(
            "QLabel { background: palette(highlight); color: palette(highlighted-text); }"));
        setWindowTitle(QStringLiteral("\u25B6 ") + m_caption + QStringLiteral(" \u25C0"));
        return;
    }
    panel->setStyleSheet({});
    setWindowTitle(m_caption);
}

bool frmMain::FlashRunning() const {
    return m_tmrFlash.isActive();
}

bool frmMain::Panel3Raised() const {
    return m_panels[2]->frameShadow() == QFrame::Raised;
}

void frmMain::HintTick() {
    m_tmrHint.stop();
    m_table->clearMark();
}

// Hint and Show Solution ----------------------------------------------------------------------

void frmMain::StartHint() {
    m_hintBoard = m_app->Session().State().Game().Board();
    m_solverTask->Start(m_hintBoard, m_solverLimits,
                        [this](const solver::Decision& decision) { ShowHint(decision); });
}

void frmMain::ShowHint(const solver::Decision& decision) {
    GameState& state = m_app->Session().State();
    // The table moved on while the search ran: its line no longer fits.
    if (!state.GameStarted || state.Finished || state.Game().Board() != m_hintBoard) {
        return;
    }
    if (decision.verdict == solver::Verdict::Unsolvable) {
        m_context.messages.Message(QStringLiteral("No winning line from here."),
                                   MessageIcon::Information);
        return;
    }
    if (decision.verdict != solver::Verdict::Solved || decision.rejected ||
        decision.actions.empty()) {
        m_context.messages.Message(NotFoundInTime, MessageIcon::Information);
        return;
    }
    const std::string& presses = decision.actions.front().presses;
    mGame::ClearSelection(state);
    mGame::SelectLocation(state, PressedLocation(state, presses[0]));
    const Location target = PressedLocation(state, presses[1]);
    m_table->markTarget(QPoint(cCards::Left(target), cCards::Top(target)));
    m_tmrHint.start();
}

void frmMain::StartShowSolution() {
    const std::int32_t number = m_app->Session().State().GameNumber;
    GameState deal;
    mGame::StartGame(deal, number, false);
    m_solverTask->Start(
        deal.Game().Board(), m_solverLimits,
        [this, number](const solver::Decision& decision) { FinishShowSolution(number, decision); });
}

void frmMain::FinishShowSolution(std::int32_t gameNumber, const solver::Decision& decision) {
    const GameState& state = m_app->Session().State();
    if (!state.GameStarted || state.Finished || state.GameNumber != gameNumber) {
        return;
    }
    if (decision.verdict == solver::Verdict::Unsolvable) {
        m_context.messages.Message(QStringLiteral("This game cannot be won."),
                                   MessageIcon::Information);
        return;
    }
    std::optional<SavedGame> solution;
    if (decision.verdict == solver::Verdict::Solved && !decision.rejected) {
        solution = RecordSolution(gameNumber, decision.actions);
    }
    if (!solution) {
        m_context.messages.Message(NotFoundInTime, MessageIcon::Information);
        return;
    }
    HintTick();
    m_app->Menu().WatchSolution(*solution);
    GeneralTick();
}

// Pointer ----------------------------------------------------------------------------------

void frmMain::CardPressed(int card, Qt::MouseButton button) {
    GameState& state = m_app->Session().State();
    if (const auto warning =
            PointerRules::WarningForPress(state, m_app->Opt().EnableFlash() == 1)) {
        StartFlash(warning->interval, warning->ticks);
        m_app->Sound().PlaySound(warning->sound);
    }
    m_table->setCardCursor(static_cast<CardIndex>(card), TableWidget::CardCursor::Normal);
    const Location loc = state.Game().GetLocation(static_cast<CardIndex>(card));
    if (button == Qt::LeftButton) {
        mPics::PressCard(state, loc);
    } else if (button == Qt::RightButton && IsColumnArea(loc)) {
        m_table->BringToFront(static_cast<CardIndex>(card));
    }
    GeneralTick();
}

void frmMain::CardReleased(int card, Qt::MouseButton button) {
    GameState& state = m_app->Session().State();
    const Location loc = state.Game().GetLocation(static_cast<CardIndex>(card));
    if (button != Qt::RightButton || !IsColumnArea(loc)) {
        return;
    }
    const cCards& cards = state.Cards();
    const int x = cards.GetPositionx(loc);
    const int y = cards.GetPositiony(loc);
    for (int row = y; row >= 0; --row) {
        const CardIndex c = state.Game().GetCardIndex(cCards::GetLocation(x, row));
        if (c >= 0) {
            m_table->SendToBack(c);
        }
    }
}

void frmMain::CardMoved(int card) {
    const GameState& state = m_app->Session().State();
    const Location loc = state.Game().GetLocation(static_cast<CardIndex>(card));
    m_table->setCardCursor(static_cast<CardIndex>(card), PointerRules::IsTarget(state, loc)
                                                             ? TableWidget::CardCursor::Target
                                                             : TableWidget::CardCursor::Normal);
}

void frmMain::CardDoubleClicked(int card) {
    GameState& state = m_app->Session().State();
    const Location loc = state.Game().GetLocation(static_cast<CardIndex>(card));
    if (state.Cards().GetStatus(loc) == 1) {
        mPics::DoubleClickCard(state, loc);
    }
    GeneralTick();
}

void frmMain::FreeCellClicked(int index) {
    mPics::ClickFreeCellFrame(m_app->Session().State(), index);
    GeneralTick();
}

void frmMain::TablePressed(int x, int y) {
    mPics::PressTable(m_app->Session().State(), x, y);
    GeneralTick();
}

void frmMain::KeyPressed(char key, bool shift) {
    GameState& state = m_app->Session().State();
    // Without a game no card picture shows, so there is nothing a key could press.
    if (!state.GameStarted || !state.HasGame()) {
        return;
    }
    const TablePress press = PressForKey(state.Game(), key, shift);
    switch (press.kind) {
    case TablePress::Kind::Card:
        CardPressed(press.card, Qt::LeftButton);
        return;
    case TablePress::Kind::DoubleClick:
        CardDoubleClicked(press.card);
        return;
    case TablePress::Kind::FreeCellFrame:
        FreeCellClicked(press.index);
        return;
    case TablePress::Kind::Table:
        TablePressed(press.x, press.y);
        return;
    case TablePress::Kind::ClearSelection:
        mGame::ClearSelection(state);
        GeneralTick();
        return;
    case TablePress::Kind::None:
        return;
    }
}

void frmMain::KeepTableFocus(QWidget* focused) {
    if (!m_table || !isActiveWindow() || focused == m_table) {
        return;
    }
    if (focused && (focused->window() != this || IsTextField(focused))) {
        return;
    }
    m_table->setFocus(Qt::OtherFocusReason);
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        KeepTableFocus(QApplication::focusWidget());
    }
}

// IMenuWindow -------------------------------------------------------------------------------

void frmMain::SetCaption(const QString& caption) {
    m_caption = caption;
    setWindowTitle(caption);
}

void frmMain::SetCaption(const std::string& caption) {
    SetCaption(QString::fromStdString(caption));
}

void frmMain::ShowCards(bool visible) {
    m_table->ShowCards(visible);
}

void frmMain::SetTimeText(const QString& text) {
    m_table->setTimeText(text);
}

void frmMain::SetPanelText(int panel, const QString& text) {
    if (panel >= 1 && panel <= 5) {
        m_panels[static_cast<std::size_t>(panel - 1)]->setText(text);
    }
}

void frmMain::SetTimeTimer(bool running) {
    if (running) {
        m_tmrTime.start();
    } else {
        m_tmrTime.stop();
    }
}

bool frmMain::ReplayRunning() const {
    return m_tmrForward.isActive() || m_tmrBackward.isActive();
}

void frmMain::SetEnabled(CommandId id, bool enabled) {
    for (QAction* action : {m_commandActions[Index(id)], m_commandButtons[Index(id)]}) {
        if (action) {
            action->setEnabled(enabled);
        }
    }
}

void frmMain::SelectPlayerPosition(int position) {
    SelectPosition(position);
}

QString frmMain::PlayerAt(int position) const {
    return m_playerCombo->itemText(position - 1);
}

void frmMain::FocusTable() {
    m_table->setFocus();
}

void frmMain::ShowOptions() {
    const auto playersPage = [this](QWidget* parent) -> OptionsPage* {
        return new PlayersPage(m_app->Player(), m_app->User(), m_context.messages, m_context.clock,
                               ModalRunner(), parent);
    };
    frmOptions dialog(OptionsContext{m_app->Opt(), m_app->Save(), m_app->Recent(), playersPage,
                                     m_context.messages, m_context.fileDialogs, this},
                      this);
    ModalRunner().Run(dialog);
}

void frmMain::ShowSource() {
    frmSource::Context context;
    context.playerName = m_app->Player().GetName(m_app->Player().GetCurrentPlayerIndex());
    context.exportFolder = m_app->Save().ExportFolder();
    const IClock& clock = m_context.clock;
    context.dateText = [&clock] { return GeneralDate::Format(clock.Now()); };
    frmSource dialog(m_app->Session(), &m_app->Sound(), context, this);
    IFileDialogs& files = m_context.fileDialogs;
    dialog.setSaveDialog([&files](QWidget*, const QString& suggested) {
        const QFileInfo info(suggested);
        return files.SaveFileName(info.absolutePath(), info.fileName(), QStringLiteral(".txt"),
                                  QStringLiteral("Text File (*.txt)|*.txt"));
    });
    IMessages& messages = m_context.messages;
    dialog.setErrorReport([&messages](QWidget*, const QString& text) {
        messages.Message(text, MessageIcon::Exclamation);
    });
    ModalRunner().Run(dialog);
}

void frmMain::ShowScoreBoard() {
    frmScore dialog(ScoreContext{m_app->Score(), m_app->Save(), m_app->Figures(),
                                 m_context.messages, m_context.fileDialogs, &m_app->Sound()},
                    this);
    ModalRunner().Run(dialog);
}

void frmMain::ShowAbout() {
    dlgAbout dialog(this);
    ModalRunner().Run(dialog);
}

void frmMain::ShowHelp() {
    auto* help = findChild<frmHelp*>(QStringLiteral("frmHelp"));
    if (!help) {
        const QString page = JoinPath(m_context.folders.programFolder, QStringLiteral("help.html"));
        if (!QFileInfo(page).isFile()) {
            m_context.messages.Message(QStringLiteral("The help page ") +
                                           QDir::toNativeSeparators(page) +
                                           QStringLiteral(" cannot be found."),
                                       MessageIcon::Exclamation);
            return;
        }
        help = new frmHelp(page, this);
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void frmMain::ShowCustomize() {
    frmCustomize dialog(
        m_app->Custom(), [](const QString& key) { return ToolbarIcon(key); }, this);
    ModalRunner().Run(dialog);
}

void frmMain::ShowSettings() {
    const QString pictures = m_context.folders.picturesFolder;
    frmSetting dialog(
        SettingContext{m_app->Setting(), *m_sound, m_app->Save().UserFolder(),
                       QFileInfo(pictures).isDir() ? pictures : m_app->Save().UserFolder(),
                       m_app->Save().InStallFolder(), m_context.messages, m_context.fileDialogs},
        this);
    ModalRunner().Run(dialog);
}

// ICustomWindow -----------------------------------------------------------------------------

void frmMain::SetButtonVisible(int position, bool visible) {
    if (position >= 1 && position <= MenuLayout::ToolbarPositions) {
        if (QAction* action = m_toolbarPositions[static_cast<std::size_t>(position)]) {
            action->setVisible(visible);
        }
    }
}

bool frmMain::ButtonVisible(int position) const {
    if (position < 1 || position > MenuLayout::ToolbarPositions) {
        return false;
    }
    const QAction* action = m_toolbarPositions[static_cast<std::size_t>(position)];
    return action && action->isVisible();
}

void frmMain::SetPanelVisible(int panel, bool visible) {
    if (panel >= 1 && panel <= static_cast<int>(m_panels.size())) {
        m_panels[static_cast<std::size_t>(panel - 1)]->setVisible(visible);
    }
}

void frmMain::SetMenuVisible(const QString& name, bool visible) {
    if (QAction* menu = Action(name)) {
        menu->setVisible(visible);
    }
}

// IBackgroundWindow -------------------------------------------------------------------------

void frmMain::ShowBackground(int colorIndex, const QString& picture) {
    m_table->setColorIndex(colorIndex);
    m_table->setBackgroundPicture(picture.isEmpty() ? QImage()
                                                    : ReadPicture(picture, PictureLimit()));
}

void frmMain::SetWallpaperTimer(bool running, int milliseconds) {
    if (!running) {
        m_tmrWallpaper.stop();
        return;
    }
    m_tmrWallpaper.start(milliseconds);
}

void frmMain::WallpaperTick() {
    m_app->Setting().WallpaperTick();
}

// IWindowPlacement --------------------------------------------------------------------------

IWindowPlacement::Shown frmMain::State() const {
    if (isMaximized()) {
        return Shown::Maximized;
    }
    return isMinimized() ? Shown::Minimized : Shown::Normal;
}

QSize frmMain::ScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    return size * TwipsPerPixel;
}

QRect frmMain::Geometry() const {
    return {x() * TwipsPerPixel, y() * TwipsPerPixel, width() * TwipsPerPixel,
            height() * TwipsPerPixel};
}

void frmMain::Maximize() {
    setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::Place(int left, int top, int width, int height) {
    // A zoom above 100 % raises it further to its own minimum (SetZoom).
    resize(RaisedWindowSize(QSize(width / TwipsPerPixel, height / TwipsPerPixel)));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint(0, 0);
    move(origin.x() + left / TwipsPerPixel, origin.y() + top / TwipsPerPixel);
}

// ISpeaker -------------------------------------------------------------------------------

void frmMain::CardMove(MoveMode mode, Location to) {
    m_sound->CardMove(mode, to);
}

void frmMain::PlaySound(int event) {
    m_sound->PlaySound(event);
}

void frmMain::Prepare() {
    m_sound->init();
}

// IViewOptions ------------------------------------------------------------------------------

void frmMain::ShowTimerBox(bool visible) {
    m_table->setTimeVisible(visible);
    if (QAction* action = m_commandActions[Index(CommandId::Timer)]) {
        action->setChecked(visible);
    }
}

void frmMain::ShowStatusbar(bool visible) {
    // Showing a bar that shows already would lay it out again, before the window has a size.
    if (statusBar()->isVisibleTo(this) != visible) {
        statusBar()->setVisible(visible);
    }
    if (QAction* action = m_commandActions[Index(CommandId::Statusbar)]) {
        action->setChecked(visible);
    }
}

void frmMain::ShowToolbar(bool visible) {
    if (m_toolbar->isVisibleTo(this) != visible) {
        m_toolbar->setVisible(visible);
    }
    if (QAction* action = m_commandActions[Index(CommandId::Toolbar)]) {
        action->setChecked(visible);
    }
}

void frmMain::SetReplayInterval(int milliseconds) {
    m_tmrForward.setInterval(milliseconds);
    m_tmrBackward.setInterval(milliseconds);
}

void frmMain::Relayout() {
    m_table->update();
}

void frmMain::SetZoom(int zoom) {
    m_table->setZoom(zoom);
    const int normal = NormalZoom(zoom);
    for (const CommandRow& row : Commands()) {
        if (QAction* action = m_commandActions[Index(row.id)]; action && ZoomOf(row.id) >= 0) {
            action->setChecked(ZoomOf(row.id) == normal);
        }
    }
    // A smaller window grows to the new minimum.
    ApplyMinimumSize(MinimumScale(zoom));
}

void frmMain::ApplyMinimumSize(double scale) {
    QSize minimum = MinimumWindowSize(scale);
    // A zoom larger than the screen leaves long columns to the tighter overlap.
    if (const QScreen* shown = screen()) {
        minimum = minimum.boundedTo(shown->availableGeometry().size());
    }
    setMinimumSize(minimum);
}

void frmMain::ShowKeyHints(bool visible) {
    m_table->setKeyHints(visible);
    if (QAction* action = m_commandActions[Index(CommandId::KeyHints)]) {
        action->setChecked(visible);
    }
}

// IRecentMenus ------------------------------------------------------------------------------

void frmMain::ShowRecentMenus(const RecentMenus& menus) {
    for (std::size_t i = 0; i < 5; ++i) {
        m_recentFinished[i]->setText(menus.finished[i].caption);
        m_recentFinished[i]->setVisible(menus.finished[i].visible);
        m_recentIncomplete[i]->setText(menus.incomplete[i].caption);
        m_recentIncomplete[i]->setVisible(menus.incomplete[i].visible);
    }
    m_recentFinishedNone->setVisible(menus.finishedNoneVisible);
    m_recentIncompleteNone->setVisible(menus.incompleteNoneVisible);
}

// IPlayerCombo ------------------------------------------------------------------------------

void frmMain::Clear() {
    m_fillingCombo = true;
    m_playerCombo->clear();
    m_fillingCombo = false;
}

void frmMain::AddItem(const QString& name) {
    m_fillingCombo = true;
    m_playerCombo->addItem(name);
    m_fillingCombo = false;
}

void frmMain::SelectPosition(int position) {
    m_fillingCombo = true;
    m_playerCombo->setCurrentIndex(
        position >= 1 && position <= m_playerCombo->count() ? position - 1 : -1);
    m_fillingCombo = false;
}

QString frmMain::SelectedText() const {
    return m_playerCombo->currentText();
}

// IGameEvents -------------------------------------------------------------------------------

void frmMain::GameStarting(std::int32_t, bool) {
    // A hint or solution still being searched belongs to the game before.
    m_solverTask->Cancel();
    HintTick();
}

void frmMain::StatusChanged() {}

void frmMain::GameWon() {
    // The won test runs deep inside a move; the dialog may start another game, so it opens
    // once the move has finished.
    if (m_finishPending) {
        return;
    }
    m_finishPending = true;
    QTimer::singleShot(0, this, &frmMain::ShowFinish);
}

void frmMain::ShowFinish() {
    m_finishPending = false;
    m_table->finishAnimations();
    // A replay must not take moves back while the win is being recorded.
    m_app->Session().Trans().ReplayStop();
    emit finishDialogOpening();
    dlgFinish dialog(FinishContext{m_app->Finish(), m_app->Save(), m_app->Recent(),
                                   m_app->Session().State().GameNumber,
                                   m_app->Player().GetName(m_app->Player().GetCurrentPlayerIndex()),
                                   m_context.fileDialogs, m_context.messages, &m_app->Sound(),
                                   m_app->Menu(), m_app->Menu().Enabled(CommandId::Select)},
                     this);
    ModalRunner().Run(dialog);
    GeneralTick();
}

// IReplayControl ----------------------------------------------------------------------------

void frmMain::SetStopEnabled(bool enabled) {
    if (m_app) {
        m_app->Menu().SetStopEnabled(enabled);
    }
}

void frmMain::SetForwardTimer(bool running) {
    if (running) {
        m_tmrForward.start();
    } else {
        m_tmrForward.stop();
    }
}

void frmMain::SetBackwardTimer(bool running) {
    if (running) {
        m_tmrBackward.start();
    } else {
        m_tmrBackward.stop();
    }
}

// IPlayerDialogs ----------------------------------------------------------------------------

void frmMain::ShowMessage(const std::string& text) {
    m_context.messages.Message(QString::fromStdString(text), MessageIcon::Information);
}

EmptyColumnChoice frmMain::AskEmptyColumn(int targetColumn) {
    if (m_answerEmptyColumn) {
        return m_answerEmptyColumn(targetColumn);
    }
    return dlgMove::Ask(this, &m_app->Sound(), targetColumn, ModalRunner());
}

} // namespace velmora
