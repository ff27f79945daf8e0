#pragma once

#include <QDialog>
#include <QTimer>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTreeView;

namespace velmora {

class IFileDialogs;
class IGameFigures;
class IMessages;
class ISoundPort;
class ProgressCharts;
class ReportModel;
class cScore;
class cSave;
struct ReportList;

/// What the score board works with.
struct ScoreContext {
    cScore& score;
    cSave& save;
    IGameFigures& game;
    IMessages& messages;
    IFileDialogs& fileDialogs;
    /// May be null.
    ISoundPort* sound;
};

/// "Score Board": every figure of the score file and of the players' totals on six pages,
/// with the score list's filters, the two clear buttons and the export. cScore computes every
/// list and label; the dialog shows them and forwards the player's actions.
class frmScore final : public QDialog {
    Q_OBJECT
public:
    explicit frmScore(const ScoreContext& context, QWidget* parent = nullptr);
    ~frmScore() override;

    /// Shows the page of the tab at `index` (0-based) and hides the others.
    void TabStrip1_Click(int index);
    /// Stores the selected tab, then closes.
    void cmdOK_Click();
    void cmdClear_Click();
    void cmdGlobal_Click();
    void cmdExport_Click();
    void imcUser_Click();
    void imcDay_Click();
    void chkFinished_Click();
    /// One tick of `Timer1`: the two elapsed times.
    void Timer1_Timer();

    static constexpr int PageCount = 6;
    static constexpr int ProgressTab = 5;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* BuildGeneral();
    QWidget* BuildScoreBoard();
    QWidget* BuildStatistics();
    QWidget* BuildTopScores();
    QWidget* BuildGlobal();
    QWidget* BuildProgress();

    /// cScore.Create_All, then every page shows the new lists.
    void Create_All();
    void ShowFilters();
    void ShowList(QTreeView* view, ReportModel* model, const ReportList& list);
    void ApplyWidths();
    void ShowLabels();
    void ShowProgress();
    void Rebuild();

    ScoreContext m_context;
    QTabBar* m_tabStrip = nullptr;
    std::array<QGroupBox*, PageCount> m_frames{};

    QTreeView* m_lvwGeneral = nullptr;
    QTreeView* m_lvwScore = nullptr;
    QTreeView* m_lvwStatistics = nullptr;
    QTreeView* m_lvwTopScore = nullptr;
    QTreeView* m_lvwGlobal = nullptr;
    ReportModel* m_general = nullptr;
    ReportModel* m_scores = nullptr;
    ReportModel* m_statistics = nullptr;
    ReportModel* m_topScores = nullptr;
    ReportModel* m_global = nullptr;

    QComboBox* m_imcUser = nullptr;
    QComboBox* m_imcDay = nullptr;
    QCheckBox* m_chkFinished = nullptr;
    QComboBox* m_imcProgress = nullptr;
    ProgressCharts* m_charts = nullptr;
    bool m_progressShown = false;

    std::array<QLabel*, 5> m_thisGame{};
    QLabel* m_lgmPlayer = nullptr;
    QLabel* m_lgmMove = nullptr;
    QLabel* m_lgmCards = nullptr;
    QLabel* m_lgmTime = nullptr;
    QLabel* m_lblStart = nullptr;
    QLabel* m_lblTotal = nullptr;
    QLabel* m_lblWon = nullptr;
    QLabel* m_lblLost = nullptr;
    QLabel* m_lblTime = nullptr;
    QLabel* m_lblPerc = nullptr;
    QLabel* m_lblFile = nullptr;
    QLabel* m_lblDate = nullptr;
    QLabel* m_lblGeneral = nullptr;
    QLabel* m_lblGlobal = nullptr;
    QPushButton* m_cmdOK = nullptr;

    QTimer m_timer1;
};

} // namespace velmora
