#pragma once

#include <QString>

namespace velmora {

/// The folder of the program's own read-only files (help page, default sounds, icons): the
/// installed "<prefix>/share/velmora2003", found from the running binary's folder, when it
/// exists, otherwise the source tree's data folder the program was built from.
QString DataFolder();

/// The default wave file of a sound event in the data folder; empty for the events that have
/// no default sound.
QString DefaultSoundFile(int event);

} // namespace velmora
