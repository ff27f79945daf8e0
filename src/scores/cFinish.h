#pragma once

#include "platform/SettingsStore.h"

#include <cstdint>

namespace velmora {

/// The end-of-game dialog's remembered choices (store section "Finish").
class cFinish {
public:
    explicit cFinish(SettingsStore& store) : m_store(store) {}

    /// "Add To Favorites" was ticked (1) or not (0).
    std::int16_t FavEnable() const { return Get("FavEnable", 0); }
    void FavEnable(std::int16_t value) { Set("FavEnable", value); }
    /// "Save this Game" was ticked (1) or not (0).
    std::int16_t SaveEnable() const { return Get("SaveEnable", 0); }
    void SaveEnable(std::int16_t value) { Set("SaveEnable", value); }
    /// 1-based position of the favourites folder last chosen.
    std::int16_t LastFavIndex() const { return Get("LastFavIndex", 1); }
    void LastFavIndex(std::int16_t value) { Set("LastFavIndex", value); }
    /// 1-based position of the next action last chosen.
    std::int16_t LastSelectIndex() const { return Get("LastSelectIndex", 1); }
    void LastSelectIndex(std::int16_t value) { Set("LastSelectIndex", value); }

private:
    std::int16_t Get(const char* key, std::int16_t defaultValue) const {
        return static_cast<std::int16_t>(
            m_store.GetInt(QStringLiteral("Finish"), QString::fromLatin1(key), defaultValue));
    }
    void Set(const char* key, std::int16_t value) {
        m_store.SaveInt(QStringLiteral("Finish"), QString::fromLatin1(key), value);
    }

    SettingsStore& m_store;
};

} // namespace velmora
