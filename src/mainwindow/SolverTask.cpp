#include "mainwindow/SolverTask.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mGame.h"
#include "history/GameSession.h"

#include <QCoreApplication>
#include <QEvent>

namespace velmora {

SolverTask::SolverTask(QObject* parent) : QObject(parent) {}

SolverTask::~SolverTask() {
    Cancel();
}

void SolverTask::Start(const Board& board, const solver::Limits& limits, Done done) {
    Cancel();
    const std::uint64_t generation = ++m_generation;
    m_running = true;
    m_thread = std::jthread(
        [this, board, limits, generation, done = std::move(done)](std::stop_token stop) {
            solver::Decision decision = solver::Decide(board, limits, stop);
            if (stop.stop_requested()) {
                return;
            }
            QMetaObject::invokeMethod(
                this,
                [this, generation, done, decision = std::move(decision)] {
                    if (generation != m_generation) {
                        return;
                    }
                    m_running = false;
                    done(decision);
                },
                Qt::QueuedConnection);
        });
}

void SolverTask::Cancel() {
    ++m_generation;
    m_running = false;
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void SolverTask::WaitForResult() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

SolverTask::Board DealtBoard(std::int32_t gameNumber) {
    GameState state;
    mGame::StartGame(state, gameNumber, false);
    return state.Game().Board();
}

QString WinnableText(const solver::Decision& decision) {
    if (decision.rejected) {
        return QStringLiteral("Unknown");
    }
    switch (decision.verdict) {
    case solver::Verdict::Solved:
        return QStringLiteral("Winnable in %1 moves").arg(decision.actions.size());
    case solver::Verdict::Unsolvable:
        return QStringLiteral("Not winnable");
    case solver::Verdict::Unknown:
        return QStringLiteral("Unknown");
    }
    return QStringLiteral("Unknown");
}

void CheckWinnable(SolverTask& task, std::int32_t gameNumber, const solver::Limits& limits,
                   std::function<void(const QString&)> show) {
    task.Start(DealtBoard(gameNumber), limits,
               [show = std::move(show)](const solver::Decision& decision) {
                   show(WinnableText(decision));
               });
}

std::optional<SavedGame> RecordSolution(std::int32_t gameNumber,
                                        const std::vector<solver::PressAction>& actions) {
    solver::PressPlayer player;
    EnginePorts ports;
    ports.dialogs = &player;
    ports.events = &player;
    GameSession session(ports);
    session.StartGame(gameNumber);
    for (const solver::PressAction& action : actions) {
        if (player.Won() || solver::PlayAction(session.State(), player, action)) {
            return std::nullopt;
        }
    }
    if (!player.Won()) {
        return std::nullopt;
    }
    SavedGame game;
    game.gameNumber = gameNumber;
    const cTrans& trans = session.Trans();
    for (int i = 1; i <= trans.TotalTrans(); ++i) {
        game.records.push_back(trans.Record(i));
    }
    return game;
}

} // namespace velmora
