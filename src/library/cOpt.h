#pragma once

#include "platform/SettingsStore.h"

#include <cstdint>

namespace velmora {

class IViewOptions;

/// The general options (store section "Options"): behaviour switches, the random game-number
/// range and the four animation speeds. Every getter reads the store, every setter writes it.
class cOpt {
public:
    /// `view` receives the effects of ShowTimer, ShowStatusbar, ShowToolbar, FwdBackSpeed, Zoom
    /// and KeyHints; null until the main window exists.
    explicit cOpt(SettingsStore& store, IViewOptions* view = nullptr);

    void SetView(IViewOptions* view) { m_view = view; }

    /// Tab of the options dialog shown on opening, 1 to 4.
    std::int16_t TabIndex() const;
    void TabIndex(std::int16_t value);
    /// 1, 2 or 3: the random range (see GetRandomLimit).
    std::int16_t RandomIndex() const;
    void RandomIndex(std::int16_t value);
    std::int16_t EnableFlash() const;
    void EnableFlash(std::int16_t value);
    std::int16_t AllowDoubleClick() const;
    void AllowDoubleClick(std::int16_t value);
    std::int16_t EnableUnfinished() const;
    void EnableUnfinished(std::int16_t value);
    std::int16_t ShowTimer() const;
    /// Shows the game-time box when non-zero, then stores.
    void ShowTimer(std::int16_t value);
    std::int16_t ShowStatusbar() const;
    /// Shows the status bar when non-zero, then stores.
    void ShowStatusbar(std::int16_t value);
    std::int16_t ShowToolbar() const;
    /// Shows the toolbar when non-zero, then stores.
    void ShowToolbar(std::int16_t value);
    std::int16_t ShowMessages() const;
    void ShowMessages(std::int16_t value);
    /// Replay speed 1 to 100; the replay timers tick every value × 10 ms.
    std::int16_t FwdBackSpeed() const;
    /// Retimes both replay timers to value × 10 ms, then stores.
    void FwdBackSpeed(std::int16_t value);
    std::int16_t UndoRedoAllSpeed() const;
    void UndoRedoAllSpeed(std::int16_t value);
    std::int16_t UndoRedoSpeed() const;
    void UndoRedoSpeed(std::int16_t value);
    std::int16_t CardSpeed() const;
    void CardSpeed(std::int16_t value);
    /// Table zoom in percent (100, 125, 150, 200), 0 for fit to window.
    std::int16_t Zoom() const;
    /// Zooms the table, then stores.
    void Zoom(std::int16_t value);
    /// 1 shows the key of each column and cell on the table.
    std::int16_t KeyHints() const;
    /// Shows the key hints when non-zero, then stores.
    void KeyHints(std::int16_t value);

    /// 40000, 640000 or 3240000 for RandomIndex 1, 2, 3; 0 for any other value.
    std::int32_t GetRandomLimit() const;
    /// The General page's OK: the four switches in this order, then RandomIndex from the first
    /// range button that is on (none on leaves RandomIndex as stored).
    void SaveGeneral(std::int16_t allowDoubleClick, std::int16_t showMessages,
                     std::int16_t enableFlash, std::int16_t enableUnfinished, bool range1,
                     bool range2, bool range3);
    /// The Animation page's OK, in this order.
    void SaveSlider(std::int16_t cardSpeed, std::int16_t undoRedoSpeed,
                    std::int16_t undoRedoAllSpeed, std::int16_t fwdBackSpeed);

private:
    std::int16_t Get(const char* key, std::int16_t defaultValue) const;
    void Set(const char* key, std::int16_t value);

    SettingsStore& m_store;
    IViewOptions* m_view;
};

} // namespace velmora
