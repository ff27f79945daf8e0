#pragma once

#include "appearance/ISoundBackend.h"

#include <QStringList>

namespace velmora {

/// The files the sound module is looked for at, in order: next to the running program (the
/// build tree), in the installed "<prefix>/<libdir>/velmora2003" found from the program's
/// folder, and in the build tree the program was built from (for tests elsewhere in it).
/// Needs the application object; call it on the GUI thread.
QStringList SoundModuleCandidates();

/// Loads the first of `candidates` that loads and has the factory, with every relocation done
/// now, and returns that factory; null when none does (said once per process on stderr). The
/// module stays loaded for the life of the process. Safe on any thread.
SoundBackendFactory LoadSoundModule(const QStringList& candidates);

} // namespace velmora
