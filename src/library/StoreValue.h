#pragma once

#include "platform/SettingsStore.h"

#include <cstdint>
#include <limits>

/// Typed reads shared by the owners of the store's values.
namespace velmora::StoreValue {

/// A 16-bit value; text that is not a number, or a number outside 16 bits, reads as the default.
inline std::int16_t GetInt16(const SettingsStore& store, const QString& section, const QString& key,
                             std::int16_t defaultValue) {
    const int value = store.GetInt(section, key, defaultValue);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return defaultValue;
    }
    return static_cast<std::int16_t>(value);
}

/// A 32-bit value; text that is not a 32-bit number reads as the default.
inline std::int32_t GetInt32(const SettingsStore& store, const QString& section, const QString& key,
                             std::int32_t defaultValue) {
    return store.GetInt(section, key, defaultValue);
}

} // namespace velmora::StoreValue
