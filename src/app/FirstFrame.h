#pragma once

#include <functional>

class QWidget;

namespace velmora {

/// With VELMORA_FIRST_FRAME set in the environment: once `window` is first exposed and its
/// frame is on screen, prints "first-frame MICROSECONDS WIDTHxHEIGHT" (wall-clock time since
/// the epoch and the window's size) and calls `quit`. Does nothing without the variable.
/// The start-up benchmark measures the game and a plain window this same way.
void QuitAfterFirstFrame(QWidget& window, std::function<void()> quit);

} // namespace velmora
