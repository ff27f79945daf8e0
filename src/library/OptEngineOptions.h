#pragma once

#include "engine/Ports.h"
#include "library/cOpt.h"

namespace velmora {

/// Serves the stored options to the engine (card speed, illegal-move messages, double click).
class OptEngineOptions final : public IEngineOptions {
public:
    explicit OptEngineOptions(const cOpt& opt) : m_opt(opt) {}

    int CardSpeed() const override { return m_opt.CardSpeed(); }
    int ShowMessages() const override { return m_opt.ShowMessages(); }
    int AllowDoubleClick() const override { return m_opt.AllowDoubleClick(); }

private:
    const cOpt& m_opt;
};

} // namespace velmora
