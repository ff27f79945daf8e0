#pragma once

#include "engine/Types.h"
#include "history/GameFile.h"
#include "solver/Presses.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace velmora {

/// One search at a time, off the user-interface thread. The verdict comes back through the
/// event loop on the thread that started the search, unless the search was cancelled or
/// replaced by a newer one first.
class SolverTask final : public QObject {
    Q_OBJECT
public:
    using Board = std::array<CardIndex, BoardSize>;
    using Done = std::function<void(const solver::Decision&)>;

    explicit SolverTask(QObject* parent = nullptr);
    ~SolverTask() override;

    /// Cancels any running search and starts one from `board`.
    void Start(const Board& board, const solver::Limits& limits, Done done);
    /// Stops the running search; its verdict never arrives.
    void Cancel();
    bool Running() const { return m_running; }
    /// Blocks until the running search ends and delivers its verdict now (tests).
    void WaitForResult();

private:
    std::jthread m_thread;
    /// Counts the searches started; a verdict of an older one is dropped.
    std::uint64_t m_generation = 0;
    bool m_running = false;
};

/// The table right after dealing `gameNumber`, before any automatic move.
SolverTask::Board DealtBoard(std::int32_t gameNumber);

/// The select-game dialog's words for a verdict: "Winnable in N moves", "Not winnable" or
/// "Unknown" (a search stopped by its limits, or a line the engine did not win).
QString WinnableText(const solver::Decision& decision);

/// Starts deciding `gameNumber` on `task` (replacing any search it runs) and gives the verdict's
/// words to `show` when it arrives.
void CheckWinnable(SolverTask& task, std::int32_t gameNumber, const solver::Limits& limits,
                   std::function<void(const QString&)> show);

/// The history of `gameNumber` played by `actions` from its deal, or nothing when they do
/// not win it.
std::optional<SavedGame> RecordSolution(std::int32_t gameNumber,
                                        const std::vector<solver::PressAction>& actions);

} // namespace velmora
