#include "mainwindow/SolverTask.h"

#include "engine/GameState.h"
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
