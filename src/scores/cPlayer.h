#pragma once

#include "platform/SettingsStore.h"

#include <cstdint>

namespace velmora {

class IPlayerCombo;

/// The five player slots (store sections "Player1" to "Player5") and the totals row
/// ("Player6"), read and written with no copy in memory. Slots are 1 to 5, 6 for the totals.
class cPlayer {
public:
    /// `combo` is the main window's player list, read by GetCurrentPlayerIndex.
    explicit cPlayer(SettingsStore& store, const IPlayerCombo* combo = nullptr);

    void SetCombo(const IPlayerCombo* combo) { m_combo = combo; }

    /// List position picked while a game was in progress (section "Save").
    std::int16_t NewPlayerComboIndex() const;
    void NewPlayerComboIndex(std::int16_t value);
    /// A player change waits for the end of the game (section "Save").
    bool ChangePlayer() const;
    void ChangePlayer(bool value);
    /// List position (not slot) of the current player.
    std::int16_t CurrentComboIndex() const;
    void CurrentComboIndex(std::int16_t value);

    /// Slot of the player selected in the main window's list; 0 when none is.
    std::int16_t GetCurrentPlayerIndex() const;

    /// Writes the name, full name and creation date of a slot; totals untouched.
    void AddPlayer(const QString& name, std::int16_t slot, const QString& fullName,
                   const QString& date);
    /// Deletes slot 1 to 5 with its totals, then SaveTotal; other slots are ignored.
    void RemovePlayer(std::int16_t slot);

    QString GetName(std::int16_t slot) const;
    QString GetFullName(std::int16_t slot) const;
    QString GetDate(std::int16_t slot) const;
    std::int32_t GetTotal(std::int16_t slot) const;
    std::int32_t GetWon(std::int16_t slot) const;
    std::int32_t GetLost(std::int16_t slot) const;
    std::int32_t GetTime(std::int16_t slot) const;
    std::int32_t GetScore(std::int16_t slot) const;
    /// Average points per counted game, half to even; 0 with no counted game.
    std::int16_t GetAvgScore(std::int16_t slot) const;
    /// Percentage of counted games won, half to even; 0 with no counted game.
    std::int16_t GetPerc(std::int16_t slot) const;

    /// Adds a game to a slot's totals (saturating at 32 bits), then SaveTotal.
    void SaveScore(std::int16_t slot, std::int16_t addTotal, std::int16_t addWon,
                   std::int16_t addLost, std::int32_t addTime, std::int32_t addScore);
    /// Rewrites the totals row: "Total" and the sums over slots 1 to 5.
    void SaveTotal();
    /// Writes 0 into every total of slots 1 to 6; names and dates stay.
    void ClearGlobal();

    /// The name is that of some slot 1 to 5 (compared exactly); never true for "".
    bool PlayerExists(const QString& name) const;
    /// The first slot 1 to 5 with this name; 0 when none or when the name is empty.
    std::int16_t GetNum(const QString& name) const;
    /// Occupied slots among 1 to 5.
    std::int16_t TotalPlayers() const;
    /// `position` when it names a player of the list (1 to TotalPlayers), otherwise 1.
    std::int16_t ValidComboIndex(std::int16_t position) const;
    /// The list position of the player in `slot`; 0 when the slot is empty.
    std::int16_t ComboPosition(std::int16_t slot) const;

    /// "Player" followed by the slot number.
    static QString Section(int slot);

    static constexpr int MaxPlayers = 5;
    static constexpr int TotalsSlot = 6;

private:
    std::int32_t GetNumber(std::int16_t slot, const char* key) const;
    void SetNumber(std::int16_t slot, const char* key, std::int64_t value);

    SettingsStore& m_store;
    const IPlayerCombo* m_combo;
};

} // namespace velmora
