#pragma once

#include <QString>

namespace velmora {

/// The wave player behind cSound. It lives in the sound module, loaded at run time, so the game
/// itself links no audio libraries; every call comes from the GUI thread.
class ISoundBackend {
public:
    virtual ~ISoundBackend() = default;

    /// Stops the sound playing and plays the existing wave file at `path`.
    virtual void Play(const QString& path) = 0;
    virtual void Stop() = 0;
    /// Whether a wave file is still being read.
    virtual bool Loading() const = 0;
};

/// The sound module's one export: a new player the caller owns. Called on the GUI thread.
using SoundBackendFactory = ISoundBackend* (*)();
inline constexpr char SoundBackendFactoryName[] = "velmora_sound_backend";

} // namespace velmora
