#pragma once

// Message boxes of a fuzz run: boxes are counted, questions answered Yes, the input box gives
// the text the target sets.

#include "library/Messages.h"

namespace velmora::fuzz {

class Messages final : public IMessages {
public:
    QString input;
    int boxes = 0;

    void Message(const QString&, MessageIcon, const QString&) override { ++boxes; }
    bool Ask(const QString&, MessageIcon, const QString&) override {
        ++boxes;
        return true;
    }
    QString InputBox(const QString&, const QString&) override { return input; }
};

} // namespace velmora::fuzz
