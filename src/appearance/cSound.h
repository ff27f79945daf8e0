#pragma once

#include "engine/Ports.h"
#include "engine/SoundEvents.h"
#include "engine/Types.h"

#include <QString>

#include <functional>
#include <memory>

class QSoundEffect;

namespace velmora {

/// Plays the wave file of each event. Only one sound plays at a time; every new one stops the
/// previous one. Playing errors (no device, missing or unreadable file) are ignored.
class cSound final : public ISoundPort {
public:
    /// The wave file path of an event; an empty path plays nothing.
    using SoundPath = std::function<QString(int event)>;

    explicit cSound(SoundPath soundPath);
    ~cSound() override;
    cSound(const cSound&) = delete;
    cSound& operator=(const cSound&) = delete;

    /// Prepares the player and enables playing; nothing plays before.
    void init();
    bool Enabled() const { return m_enabled; }

    /// Plays the file of `event` when playing is enabled.
    void PlaySound(int event) override;
    /// Plays the file at `path` (the settings dialog's Play button), enabled or not.
    void PlayFile(const QString& path);
    void Stopfile();
    /// Whether a sound file is still being loaded (on the player's own thread).
    bool Loading() const;
    /// Plays the sound of one card movement: event 9 onto a home cell, otherwise 8 for mode 2,
    /// 10 for mode 3 and 7 for any other mode.
    void CardMove(MoveMode mode, Location to) override;

    /// The event CardMove plays.
    static int CardMoveEvent(MoveMode mode, Location to);

private:
    void EnsurePlayer();

    SoundPath m_soundPath;
    std::unique_ptr<QSoundEffect> m_player;
    bool m_enabled = false;
};

} // namespace velmora
