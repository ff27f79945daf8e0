#pragma once

#include "library/MainWindowPorts.h"
#include "platform/SettingsStore.h"

#include <cstdint>

namespace velmora {

/// `text` (a file name) as a menu caption: every "&" doubled, so none becomes an access key.
QString MenuText(const QString& text);

/// The recent games (store section "Recent"): slots 1 to 5 hold finished games, 6 to 10
/// incomplete games, the most recent first; a path appears at most once per list (compared
/// exactly, letter case included).
class cRecent {
public:
    /// `menus` receives every rebuild of the two submenus; null until the main window exists.
    explicit cRecent(SettingsStore& store, IRecentMenus* menus = nullptr);

    void SetMenus(IRecentMenus* menus) { m_menus = menus; }

    /// Adds a ".v2k" path to the finished list or a ".vlg" path to the incomplete list (by the
    /// last three characters in upper case; anything else adds nothing), then UpdateRecent.
    void AddtoRecent(const QString& path);
    /// Puts `path` first in slots 1 to 5 unless it is empty or already listed.
    void AddtoRecent1(const QString& path);
    /// Puts `path` first in slots 6 to 10 unless it is empty or already listed.
    void AddtoRecent2(const QString& path);
    /// Empties all ten slots (the keys stay), then UpdateRecent.
    void CrearRecent();
    void SetRecent(std::int16_t slot, const QString& path);
    /// Slot 1 to 10; empty when absent.
    QString GetRecent(std::int16_t slot) const;
    /// Non-empty slots among `first` to `first` + 4.
    std::int16_t GetTotalNumb(std::int16_t first) const;
    bool EnableFinish() const;
    bool EnableInComplete() const;
    /// The submenus as the stored slots describe them.
    RecentMenus Menus() const;
    /// Rebuilds the two submenus of the main window.
    void UpdateRecent();

    static constexpr int ListSize = 5;

private:
    void Insert(std::int16_t first, const QString& path);

    SettingsStore& m_store;
    IRecentMenus* m_menus;
};

} // namespace velmora
