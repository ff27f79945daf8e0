#include "appearance/cSound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace velmora {

cSound::cSound(SoundPath soundPath) : m_soundPath(std::move(soundPath)) {}

cSound::~cSound() = default;

void cSound::init() {
    EnsurePlayer();
    m_enabled = true;
}

void cSound::EnsurePlayer() {
    if (!m_player) {
        m_player = std::make_unique<QSoundEffect>();
    }
}

void cSound::PlaySound(int event) {
    if (!m_enabled || !m_soundPath) {
        return;
    }
    PlayFile(m_soundPath(event));
}

void cSound::PlayFile(const QString& path) {
    EnsurePlayer();
    m_player->stop();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (m_player->source() != url) {
        m_player->setSource(url);
    }
    // Before the file has loaded, play() is remembered and carried out once it has.
    m_player->play();
}

void cSound::Stopfile() {
    if (m_player) {
        m_player->stop();
    }
}

void cSound::CardMove(MoveMode mode, Location to) {
    PlaySound(CardMoveEvent(mode, to));
}

int cSound::CardMoveEvent(MoveMode mode, Location to) {
    if (to >= FirstHomeCell) {
        return SoundMoveRight;
    }
    if (mode == MoveMode::Follow) {
        return SoundMultiMove;
    }
    if (mode == MoveMode::History) {
        return SoundUndo;
    }
    return SoundNormalMove;
}

bool cSound::Loading() const {
    return m_player && m_player->status() == QSoundEffect::Loading;
}

} // namespace velmora
