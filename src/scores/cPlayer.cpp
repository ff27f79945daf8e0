#include "scores/cPlayer.h"

#include "engine/Rounding.h"
#include "library/StoreValue.h"
#include "scores/PlayerPorts.h"

#include <algorithm>
#include <array>
#include <limits>

namespace velmora {

namespace {
const QString SaveSection = QStringLiteral("Save");
constexpr std::array<const char*, 5> TotalKeys{"Total", "Won", "Lost", "Time", "Score"};

QString Key(const char* key) {
    return QString::fromLatin1(key);
}

std::int16_t ToInt16(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}
} // namespace

cPlayer::cPlayer(SettingsStore& store, const IPlayerCombo* combo)
    : m_store(store), m_combo(combo) {}

QString cPlayer::Section(int slot) {
    return QStringLiteral("Player") + QString::number(slot);
}

std::int16_t cPlayer::NewPlayerComboIndex() const {
    return StoreValue::GetInt16(m_store, SaveSection, Key("NewPlayerComboIndex"), 1);
}

void cPlayer::NewPlayerComboIndex(std::int16_t value) {
    m_store.SaveInt(SaveSection, Key("NewPlayerComboIndex"), value);
}

bool cPlayer::ChangePlayer() const {
    return m_store.GetBool(SaveSection, Key("ChangePlayer"), false);
}

void cPlayer::ChangePlayer(bool value) {
    m_store.SaveBool(SaveSection, Key("ChangePlayer"), value);
}

std::int16_t cPlayer::CurrentComboIndex() const {
    return StoreValue::GetInt16(m_store, Section(TotalsSlot), Key("CurrentComboIndex"), 1);
}

void cPlayer::CurrentComboIndex(std::int16_t value) {
    m_store.SaveInt(Section(TotalsSlot), Key("CurrentComboIndex"), value);
}

std::int16_t cPlayer::GetCurrentPlayerIndex() const {
    if (!m_combo) {
        return 0;
    }
    return GetNum(m_combo->SelectedText());
}

void cPlayer::AddPlayer(const QString& name, std::int16_t slot, const QString& fullName,
                        const QString& date) {
    const QString section = Section(slot);
    m_store.SaveSetting(section, Key("Name"), name);
    m_store.SaveSetting(section, Key("FullName"), fullName);
    m_store.SaveSetting(section, Key("Date"), date);
}

void cPlayer::RemovePlayer(std::int16_t slot) {
    if (slot < 1 || slot > MaxPlayers) {
        return;
    }
    m_store.DeleteSetting(Section(slot));
    SaveTotal();
}

QString cPlayer::GetName(std::int16_t slot) const {
    return m_store.GetSetting(Section(slot), Key("Name"), QString());
}

QString cPlayer::GetFullName(std::int16_t slot) const {
    return m_store.GetSetting(Section(slot), Key("FullName"), QString());
}

QString cPlayer::GetDate(std::int16_t slot) const {
    return m_store.GetSetting(Section(slot), Key("Date"), QString());
}

std::int32_t cPlayer::GetNumber(std::int16_t slot, const char* key) const {
    return StoreValue::GetInt32(m_store, Section(slot), Key(key), 0);
}

void cPlayer::SetNumber(std::int16_t slot, const char* key, std::int64_t value) {
    const auto clamped = std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max());
    m_store.SaveInt(Section(slot), Key(key), static_cast<int>(clamped));
}

std::int32_t cPlayer::GetTotal(std::int16_t slot) const { return GetNumber(slot, "Total"); }
std::int32_t cPlayer::GetWon(std::int16_t slot) const { return GetNumber(slot, "Won"); }
std::int32_t cPlayer::GetLost(std::int16_t slot) const { return GetNumber(slot, "Lost"); }
std::int32_t cPlayer::GetTime(std::int16_t slot) const { return GetNumber(slot, "Time"); }
std::int32_t cPlayer::GetScore(std::int16_t slot) const { return GetNumber(slot, "Score"); }

std::int16_t cPlayer::GetAvgScore(std::int16_t slot) const {
    const std::int32_t total = GetTotal(slot);
    if (total < 1) {
        return 0;
    }
    return ToInt16(RoundHalfEven(static_cast<double>(GetScore(slot)) / total));
}

std::int16_t cPlayer::GetPerc(std::int16_t slot) const {
    const std::int32_t total = GetTotal(slot);
    if (total < 1) {
        return 0;
    }
    return ToInt16(RoundHalfEven(static_cast<double>(GetWon(slot)) / total * 100.0));
}

void cPlayer::SaveScore(std::int16_t slot, std::int16_t addTotal, std::int16_t addWon,
                        std::int16_t addLost, std::int32_t addTime, std::int32_t addScore) {
    const std::array<std::int64_t, 5> addends{addTotal, addWon, addLost, addTime, addScore};
    for (std::size_t i = 0; i < TotalKeys.size(); ++i) {
        SetNumber(slot, TotalKeys[i],
                  static_cast<std::int64_t>(GetNumber(slot, TotalKeys[i])) + addends[i]);
    }
    SaveTotal();
}

void cPlayer::SaveTotal() {
    m_store.SaveSetting(Section(TotalsSlot), Key("Name"), QStringLiteral("Total"));
    for (const char* key : TotalKeys) {
        std::int64_t sum = 0;
        for (std::int16_t slot = 1; slot <= MaxPlayers; ++slot) {
            sum += GetNumber(slot, key);
        }
        SetNumber(TotalsSlot, key, sum);
    }
}

void cPlayer::ClearGlobal() {
    for (std::int16_t slot = 1; slot <= TotalsSlot; ++slot) {
        for (const char* key : TotalKeys) {
            m_store.SaveSetting(Section(slot), Key(key), QStringLiteral("0"));
        }
    }
}

bool cPlayer::PlayerExists(const QString& name) const {
    return GetNum(name) != 0;
}

std::int16_t cPlayer::GetNum(const QString& name) const {
    // An empty slot's name is empty too, but no player is called "".
    if (name.isEmpty()) {
        return 0;
    }
    for (std::int16_t slot = 1; slot <= MaxPlayers; ++slot) {
        if (GetName(slot) == name) {
            return slot;
        }
    }
    return 0;
}

std::int16_t cPlayer::TotalPlayers() const {
    std::int16_t count = 0;
    for (std::int16_t slot = 1; slot <= MaxPlayers; ++slot) {
        if (!GetName(slot).isEmpty()) {
            ++count;
        }
    }
    return count;
}

std::int16_t cPlayer::ValidComboIndex(std::int16_t position) const {
    return position >= 1 && position <= TotalPlayers() ? position : std::int16_t{1};
}

std::int16_t cPlayer::ComboPosition(std::int16_t slot) const {
    if (slot < 1 || slot > MaxPlayers || GetName(slot).isEmpty()) {
        return 0;
    }
    std::int16_t position = 0;
    for (std::int16_t k = 1; k <= slot; ++k) {
        if (!GetName(k).isEmpty()) {
            ++position;
        }
    }
    return position;
}

} // namespace velmora
