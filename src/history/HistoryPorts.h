#pragma once

namespace velmora {

/// The replay timers and the Stop command of the window that shows the game.
class IReplayControl {
public:
    virtual ~IReplayControl() = default;
    virtual void SetStopEnabled(bool enabled) = 0;
    virtual void SetForwardTimer(bool running) = 0;
    virtual void SetBackwardTimer(bool running) = 0;
};

class NullReplayControl final : public IReplayControl {
public:
    void SetStopEnabled(bool) override {}
    void SetForwardTimer(bool) override {}
    void SetBackwardTimer(bool) override {}
};

} // namespace velmora
