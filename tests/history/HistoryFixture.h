#pragma once

#include "history/cTrans.h"

#include "support/EngineFixture.h"

namespace velmora::test {

/// A hand-built board whose movements go into a real cTrans.
class HistoryFixture : public EngineFixture {
protected:
    HistoryFixture() : trans(state, &replay) { state.SetRecorder(&trans); }

    /// A free cell to free cell shuffle needs no rules: handy single-record moves.
    void Move(Location from, Location to, int mode) {
        state.MutableGame().SetLocation(from, to, static_cast<MoveMode>(mode));
    }

    class FakeReplay : public IReplayControl {
    public:
        void SetStopEnabled(bool e) override { stopEnabled = e; }
        void SetForwardTimer(bool r) override { forward = r; }
        void SetBackwardTimer(bool r) override { backward = r; }
        bool stopEnabled = false;
        bool forward = false;
        bool backward = false;
    };

    FakeReplay replay;
    cTrans trans;
};

} // namespace velmora::test
