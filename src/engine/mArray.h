#pragma once

#include "engine/Types.h"

#include <array>
#include <cstdint>

namespace velmora::mArray {

/// Entry i (0..51) is the card dealt to location i; entry 52 is unused.
using DealTable = std::array<CardIndex, 53>;

/// The deal of game `gameNumber`: a pure function of the number.
DealTable DealByNumber(std::int32_t gameNumber);

} // namespace velmora::mArray
