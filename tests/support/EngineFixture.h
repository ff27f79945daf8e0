#pragma once

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mGame.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace velmora::test {

/// "8S" → card index; suits C D S H are 1..4.
inline CardIndex Card(const std::string& text) {
    const std::string ranks = "A23456789TJQK";
    const std::string suits = "CDSH";
    const auto rank = ranks.find(text.at(0));
    const auto suit = suits.find(text.at(1));
    if (rank == std::string::npos || suit == std::string::npos) {
        throw std::invalid_argument(text);
    }
    return static_cast<CardIndex>(suit * 13 + rank);
}

struct Step {
    Location from;
    Location to;
    int mode;
    friend bool operator==(const Step&, const Step&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Step& s) {
    return os << "{" << s.from << "->" << s.to << " mode " << s.mode << "}";
}

/// Records every recorded movement, message, question and won notification.
class Recording : public IRecorder, public IPlayerDialogs, public IGameEvents, public ISoundPort {
public:
    int SaveTrans(Location src, Location dest, MoveMode kind) override {
        steps.push_back({src, dest, std::to_underlying(kind)});
        return static_cast<int>(steps.size());
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    EmptyColumnChoice AskEmptyColumn(int column) override {
        questions.push_back(column);
        return answer;
    }
    void GameStarting(std::int32_t, bool) override {}
    void SetCaption(const std::string& text) override { caption = text; }
    void StatusChanged() override {}
    void GameWon() override { ++wins; }
    void CardMove(MoveMode mode, Location to) override {
        sounds.push_back({-1, to, std::to_underlying(mode)});
    }
    void PlaySound(int) override {}

    std::vector<Step> steps;
    std::vector<Step> sounds;
    std::vector<std::string> messages;
    std::vector<int> questions;
    EmptyColumnChoice answer = EmptyColumnChoice::Cancel;
    std::string caption;
    int wins = 0;
};

/// Options a test can change.
class TestOptions : public IEngineOptions {
public:
    int CardSpeed() const override { return cardSpeed; }
    int ShowMessages() const override { return showMessages; }
    int AllowDoubleClick() const override { return allowDoubleClick; }
    int cardSpeed = 0;
    int showMessages = 1;
    int allowDoubleClick = 1;
};

/// A game state wired to recording fakes, with boards built by hand.
class EngineFixture : public ::testing::Test {
protected:
    EngineFixture() {
        Wire(nullptr);
        state.NewBoard();
        state.GameStarted = true;
    }

    /// Connects the recording fakes and `view` (null: no pictures).
    void Wire(ITableView* view) {
        EnginePorts ports;
        ports.recorder = &rec;
        ports.dialogs = &rec;
        ports.events = &rec;
        ports.sound = &rec;
        ports.options = &options;
        ports.view = view;
        state.SetPorts(ports);
    }

    /// Lays columns (top card first), free cells and home tops on an empty board.
    void Lay(std::initializer_list<std::vector<std::string>> columns,
             std::vector<std::string> freeCells = {}, std::vector<std::string> homes = {}) {
        state.NewBoard();
        int c = 0;
        for (const auto& column : columns) {
            for (std::size_t row = 0; row < column.size(); ++row) {
                state.MutableGame().init(
                    static_cast<Location>(row * 8 + static_cast<std::size_t>(c)),
                    Card(column[row]));
            }
            ++c;
        }
        for (std::size_t i = 0; i < freeCells.size(); ++i) {
            if (freeCells[i] != "-") {
                state.MutableGame().init(static_cast<Location>(200 + i), Card(freeCells[i]));
            }
        }
        for (const auto& h : homes) {
            const CardIndex card = Card(h);
            state.MutableGame().init(static_cast<Location>(GapCell + SuitOf(card)), card);
        }
    }

    CardIndex At(int loc) const { return state.Game().GetCardIndex(loc); }
    int Total(int column) const {
        return state.Game().GetTotalCards(static_cast<Location>(column));
    }

    Recording rec;
    TestOptions options;
    GameState state;
};

} // namespace velmora::test
