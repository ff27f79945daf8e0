#include "appearance/DataFolder.h"

#include "engine/SoundEvents.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velmora {

QString DataFolder() {
    if (QCoreApplication::instance() != nullptr) {
        const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                  QStringLiteral("/" VELMORA_BIN_TO_DATA));
        if (QFileInfo(installed).isDir()) {
            return installed;
        }
    }
    return QStringLiteral(VELMORA_DATA_DIR);
}

QString DefaultSoundFile(int event) {
    const std::string_view name = DefaultWaveFile(event);
    if (name.empty()) {
        return {};
    }
    return DataFolder() + QStringLiteral("/") +
           QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace velmora
