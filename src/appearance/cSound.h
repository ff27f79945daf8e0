#pragma once

#include "appearance/ISoundBackend.h"
#include "engine/Ports.h"
#include "engine/SoundEvents.h"
#include "engine/Types.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class QObject;

namespace velmora {

/// Plays the wave file of each event. Only one sound plays at a time; every new one stops the
/// previous one. Playing errors (no device, missing or unreadable file, no sound module) are
/// ignored. The player is in the sound module, loaded on a worker thread; the latest sound asked
/// for meanwhile plays once it is ready.
class cSound final : public ISoundPort {
public:
    /// The wave file path of an event; an empty path plays nothing.
    using SoundPath = std::function<QString(int event)>;
    /// Loads the sound module, on the worker thread; null when there is none.
    using ModuleLoader = std::function<SoundBackendFactory()>;

    /// Without a loader the module is looked for where SoundModuleCandidates says.
    explicit cSound(SoundPath soundPath, ModuleLoader loader = {});
    ~cSound() override;
    cSound(const cSound&) = delete;
    cSound& operator=(const cSound&) = delete;

    /// Starts loading the player and enables playing; nothing plays before.
    void init();
    /// Until Release, the module is not loaded: what is asked for meanwhile is kept as while
    /// loading. Loading it beside the start-up's first frame would slow that frame down. No
    /// effect once loading has started.
    void Hold();
    /// Starts the load that was held, if anything asked for it.
    void Release();
    bool Enabled() const { return m_enabled; }

    /// Plays the file of `event` when playing is enabled.
    void PlaySound(int event) override;
    /// Plays the file at `path` (the settings dialog's Play button), enabled or not.
    void PlayFile(const QString& path);
    void Stopfile();
    /// Whether the sound module or a sound file is still being loaded.
    bool Loading() const;
    /// Plays the sound of one card movement: event 9 onto a home cell, otherwise 8 for mode 2,
    /// 10 for mode 3 and 7 for any other mode.
    void CardMove(MoveMode mode, Location to) override;

    /// The event CardMove plays.
    static int CardMoveEvent(MoveMode mode, Location to);

private:
    enum class Module { NotLoaded, Loading, Loaded, Missing };

    /// Marks the module wanted (requests are kept from now on) and starts the worker unless held.
    void StartLoading();
    /// Starts the worker that loads the module.
    void StartWorker();
    /// The player, made now when the worker has finished but its news has not arrived yet;
    /// null while loading and without a module.
    ISoundBackend* Player();
    /// On the GUI thread: joins the worker, makes the player and plays the kept request.
    void MakePlayer();

    SoundPath m_soundPath;
    ModuleLoader m_loader;
    Module m_module = Module::NotLoaded;
    /// Lives on the GUI thread; the worker's news is a queued call to it.
    std::unique_ptr<QObject> m_receiver;
    std::thread m_worker;
    std::atomic<bool> m_loaded{false};
    /// Written by the worker, read once it has been joined.
    SoundBackendFactory m_factory = nullptr;
    std::unique_ptr<ISoundBackend> m_player;
    bool m_held = false;
    /// The latest file asked for while the module loads.
    std::optional<QString> m_request;
    bool m_enabled = false;
};

} // namespace velmora
