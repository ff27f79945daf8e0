// Writes COUNT keys PREFIX0.. into section "Shared" of the settings file PATH, one write each:
// the other copy of the game in the two-process store test.

#include "platform/SettingsStore.h"

#include <QString>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    velmora::SettingsStore store(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        if (!store.SaveInt(QStringLiteral("Shared"), prefix + QString::number(i), i)) {
            return 1;
        }
    }
    return 0;
}
