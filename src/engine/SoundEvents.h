#pragma once

#include <array>
#include <string_view>

namespace velmora {

/// The 17 sound events, numbered as they are stored ("Sound1".."Sound17").
enum SoundEvent : int {
    SoundStartSession = 1,
    SoundEndSession = 2,
    SoundNewGame = 3,
    SoundSelectGame = 4,
    SoundRestartGame = 5,
    SoundCloseGame = 6,
    SoundNormalMove = 7,
    SoundMultiMove = 8,
    SoundMoveRight = 9,
    SoundUndo = 10,
    SoundOnePossibleMove = 11,
    SoundZeroPossibleMove = 12,
    SoundWinGame = 13,
    SoundScoreBoard = 14,
    SoundSource = 15,
    SoundAutoSave = 16,
    SoundMoveDialog = 17,
};

inline constexpr int SoundEventCount = 17;

/// An event of the default sound scheme with its wave file in the program's data folder.
struct DefaultSound {
    SoundEvent event;
    std::string_view file;
};

/// The events that have a default sound; the others are silent until the player picks one.
inline constexpr std::array<DefaultSound, 6> DefaultSounds{{
    {SoundNormalMove, "Move.wav"},
    {SoundMultiMove, "Multi.wav"},
    {SoundMoveRight, "Right.wav"},
    {SoundUndo, "Undo.wav"},
    {SoundZeroPossibleMove, "Loose.wav"},
    {SoundWinGame, "Win.wav"},
}};

/// The default wave file name of `event`; empty when it has none.
constexpr std::string_view DefaultWaveFile(int event) {
    for (const DefaultSound& sound : DefaultSounds) {
        if (sound.event == event) {
            return sound.file;
        }
    }
    return {};
}

} // namespace velmora
