// The sound module: the only code that touches Qt Multimedia. It links Qt alone, none of the
// game's libraries, so the game's code is never in the process twice.
#include "appearance/ISoundBackend.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

class SoundEffectBackend final : public velmora::ISoundBackend {
public:
    void Play(const QString& path) override {
        m_player.stop();
        const QUrl url = QUrl::fromLocalFile(path);
        if (m_player.source() != url) {
            m_player.setSource(url);
        }
        // Before the file has loaded, play() is remembered and carried out once it has.
        m_player.play();
    }
    void Stop() override { m_player.stop(); }
    bool Loading() const override { return m_player.status() == QSoundEffect::Loading; }

private:
    QSoundEffect m_player;
};

} // namespace

extern "C" __attribute__((visibility("default"))) velmora::ISoundBackend* velmora_sound_backend() {
    return new SoundEffectBackend;
}
