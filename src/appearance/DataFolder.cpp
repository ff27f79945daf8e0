#include "appearance/DataFolder.h"

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
    const char* name = nullptr;
    switch (event) {
    case 7:
        name = "Move.wav";
        break;
    case 8:
        name = "Multi.wav";
        break;
    case 9:
        name = "Right.wav";
        break;
    case 10:
        name = "Undo.wav";
        break;
    case 12:
        name = "Loose.wav";
        break;
    case 13:
        name = "Win.wav";
        break;
    default:
        return {};
    }
    return DataFolder() + QStringLiteral("/") + QLatin1String(name);
}

} // namespace velmora
