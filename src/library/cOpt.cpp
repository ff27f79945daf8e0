#include "library/cOpt.h"

#include "library/MainWindowPorts.h"
#include "library/StoreValue.h"

namespace velmora {

namespace {
const QString Section = QStringLiteral("Options");
}

cOpt::cOpt(SettingsStore& store, IViewOptions* view) : m_store(store), m_view(view) {}

std::int16_t cOpt::Get(const char* key, std::int16_t defaultValue) const {
    return StoreValue::GetInt16(m_store, Section, QString::fromLatin1(key), defaultValue);
}

void cOpt::Set(const char* key, std::int16_t value) {
    m_store.SaveInt(Section, QString::fromLatin1(key), value);
}

std::int16_t cOpt::TabIndex() const {
    return Get("TabIndex", 1);
}
void cOpt::TabIndex(std::int16_t value) {
    Set("TabIndex", value);
}
std::int16_t cOpt::RandomIndex() const {
    return Get("RandomIndex", 3);
}
void cOpt::RandomIndex(std::int16_t value) {
    Set("RandomIndex", value);
}
std::int16_t cOpt::EnableFlash() const {
    return Get("EnableFlash", 1);
}
void cOpt::EnableFlash(std::int16_t value) {
    Set("EnableFlash", value);
}
std::int16_t cOpt::AllowDoubleClick() const {
    return Get("AllowDoubleClick", 1);
}
void cOpt::AllowDoubleClick(std::int16_t value) {
    Set("AllowDoubleClick", value);
}
std::int16_t cOpt::EnableUnfinished() const {
    return Get("EnableUnfinished", 1);
}
void cOpt::EnableUnfinished(std::int16_t value) {
    Set("EnableUnfinished", value);
}
std::int16_t cOpt::ShowTimer() const {
    return Get("ShowTimer", 1);
}
std::int16_t cOpt::ShowStatusbar() const {
    return Get("ShowStatusbar", 1);
}
std::int16_t cOpt::ShowToolbar() const {
    return Get("ShowToolbar", 1);
}
std::int16_t cOpt::ShowMessages() const {
    return Get("ShowMessages", 1);
}
void cOpt::ShowMessages(std::int16_t value) {
    Set("ShowMessages", value);
}
std::int16_t cOpt::FwdBackSpeed() const {
    return Get("FwdBackSpeed", 30);
}
std::int16_t cOpt::UndoRedoAllSpeed() const {
    return Get("UndoRedoAllSpeed", 5);
}
void cOpt::UndoRedoAllSpeed(std::int16_t value) {
    Set("UndoRedoAllSpeed", value);
}
std::int16_t cOpt::UndoRedoSpeed() const {
    return Get("UndoRedoSpeed", 10);
}
void cOpt::UndoRedoSpeed(std::int16_t value) {
    Set("UndoRedoSpeed", value);
}
std::int16_t cOpt::CardSpeed() const {
    return Get("CardSpeed", 20);
}
void cOpt::CardSpeed(std::int16_t value) {
    Set("CardSpeed", value);
}
std::int16_t cOpt::Zoom() const {
    return Get("Zoom", 100);
}
std::int16_t cOpt::KeyHints() const {
    return Get("KeyHints", 0);
}

void cOpt::ShowTimer(std::int16_t value) {
    if (m_view) {
        m_view->ShowTimerBox(value != 0);
    }
    Set("ShowTimer", value);
}

void cOpt::ShowStatusbar(std::int16_t value) {
    if (m_view) {
        m_view->ShowStatusbar(value != 0);
    }
    Set("ShowStatusbar", value);
}

void cOpt::ShowToolbar(std::int16_t value) {
    if (m_view) {
        m_view->ShowToolbar(value != 0);
    }
    Set("ShowToolbar", value);
}

void cOpt::FwdBackSpeed(std::int16_t value) {
    if (m_view) {
        m_view->SetReplayInterval(value * 10);
    }
    Set("FwdBackSpeed", value);
}

void cOpt::Zoom(std::int16_t value) {
    if (m_view) {
        m_view->SetZoom(value);
    }
    Set("Zoom", value);
}

void cOpt::KeyHints(std::int16_t value) {
    if (m_view) {
        m_view->ShowKeyHints(value != 0);
    }
    Set("KeyHints", value);
}

std::int32_t cOpt::GetRandomLimit() const {
    switch (RandomIndex()) {
    case 1:
        return 40000;
    case 2:
        return 640000;
    case 3:
        return 3240000;
    default:
        return 0;
    }
}

void cOpt::SaveGeneral(std::int16_t allowDoubleClick, std::int16_t showMessages,
                       std::int16_t enableFlash, std::int16_t enableUnfinished, bool range1,
                       bool range2, bool range3) {
    AllowDoubleClick(allowDoubleClick);
    ShowMessages(showMessages);
    EnableFlash(enableFlash);
    EnableUnfinished(enableUnfinished);
    if (range1) {
        RandomIndex(1);
    }
    if (range2) {
        RandomIndex(2);
    }
    if (range3) {
        RandomIndex(3);
    }
}

void cOpt::SaveSlider(std::int16_t cardSpeed, std::int16_t undoRedoSpeed,
                      std::int16_t undoRedoAllSpeed, std::int16_t fwdBackSpeed) {
    CardSpeed(cardSpeed);
    UndoRedoSpeed(undoRedoSpeed);
    UndoRedoAllSpeed(undoRedoAllSpeed);
    FwdBackSpeed(fwdBackSpeed);
}

} // namespace velmora
