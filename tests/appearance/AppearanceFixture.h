#pragma once

// A temporary home with a picture folder, and a main window that records what the background
// settings do to it.

#include "support/TempHome.h"

#include "appearance/cSetting.h"

#include <QColor>
#include <QFile>
#include <QImage>

#include <memory>
#include <vector>

namespace velmora::test {

class FakeBackgroundWindow final : public IBackgroundWindow {
public:
    struct Paint {
        int colorIndex;
        QString picture;
    };
    std::vector<Paint> paints;
    bool running = false;
    int interval = 0;
    int starts = 0;

    void ShowBackground(int colorIndex, const QString& picture) override {
        paints.push_back({colorIndex, picture});
    }
    void SetWallpaperTimer(bool run, int milliseconds) override {
        running = run;
        if (run) {
            interval = milliseconds;
            ++starts;
        }
    }
    const Paint& Last() const { return paints.back(); }
};

class AppearanceTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        pictures = Path(QStringLiteral("pictures"));
        QDir().mkpath(pictures);
        setting = std::make_unique<cSetting>(*store, &window);
    }

    /// A small picture file in the picture folder; its format follows the extension. Qt writes
    /// no GIF, so a GIF is a fixed one-pixel picture.
    QString Picture(const QString& name, QColor colour = Qt::red) {
        const QString path = pictures + u'/' + name;
        const QString suffix = QFileInfo(name).suffix().toLower();
        if (suffix == u"gif") {
            static const unsigned char gif[] = {
                0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x21, 0xF9, 0x04,
                0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(gif), sizeof gif);
            return path;
        }
        QImage image(24, 16, QImage::Format_RGB32);
        image.fill(colour);
        const QByteArray format = suffix == u"jpeg" ? QByteArray("jpg") : suffix.toLatin1();
        EXPECT_TRUE(image.save(path, format.constData())) << name.toStdString();
        return path;
    }

    QString pictures;
    FakeBackgroundWindow window;
    /// The settings over the temporary store, painting on `window`.
    std::unique_ptr<cSetting> setting;
};

} // namespace velmora::test
