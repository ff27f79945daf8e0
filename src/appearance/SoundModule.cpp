#include "appearance/SoundModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <atomic>

#include <dlfcn.h>

namespace velmora {

QStringList SoundModuleCandidates() {
    const QString name = QStringLiteral(VELMORA_SOUND_MODULE);
    QStringList candidates;
    if (QCoreApplication::instance() != nullptr) {
        const QString bin = QCoreApplication::applicationDirPath();
        candidates << bin + QStringLiteral("/") + name
                   << QDir::cleanPath(bin + QStringLiteral("/" VELMORA_BIN_TO_SOUND "/") + name);
    }
    candidates << QStringLiteral(VELMORA_SOUND_BUILD_DIR "/") + name;
    candidates.removeDuplicates();
    return candidates;
}

SoundBackendFactory LoadSoundModule(const QStringList& candidates) {
    QByteArray failure = "not found at " + QFile::encodeName(candidates.join(QStringLiteral(", ")));
    for (const QString& candidate : candidates) {
        if (!QFile::exists(candidate)) {
            continue;
        }
        const QByteArray file = QFile::encodeName(candidate);
        void* module = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            failure = dlerror();
            continue;
        }
        if (void* factory = dlsym(module, SoundBackendFactoryName)) {
            return reinterpret_cast<SoundBackendFactory>(factory);
        }
        failure = file + ": no " + SoundBackendFactoryName;
        dlclose(module);
    }
    static std::atomic<bool> told{false};
    if (!told.exchange(true)) {
        qWarning("velmora2003: no sound module, the game plays silently (%s)", failure.constData());
    }
    return nullptr;
}

} // namespace velmora
