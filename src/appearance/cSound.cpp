#include "appearance/cSound.h"

#include "appearance/SoundModule.h"

#include <QFileInfo>
#include <QObject>

namespace velmora {

cSound::cSound(SoundPath soundPath, ModuleLoader loader)
    : m_soundPath(std::move(soundPath)), m_loader(std::move(loader)) {}

cSound::~cSound() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

void cSound::init() {
    StartLoading();
    m_enabled = true;
}

void cSound::Hold() {
    // A load already under way is not held back.
    m_held = m_module == Module::NotLoaded;
}

void cSound::Release() {
    if (!m_held) {
        return;
    }
    m_held = false;
    if (m_module == Module::Loading) {
        StartWorker();
    }
}

void cSound::StartLoading() {
    if (m_module != Module::NotLoaded) {
        return;
    }
    // From here on requests are kept until the player is made, held or not.
    m_module = Module::Loading;
    if (!m_held) {
        StartWorker();
    }
}

void cSound::StartWorker() {
    m_receiver = std::make_unique<QObject>();
    ModuleLoader load = m_loader;
    if (!load) {
        load = [candidates = SoundModuleCandidates()] { return LoadSoundModule(candidates); };
    }
    m_worker = std::thread([this, load = std::move(load)] {
        m_factory = load();
        m_loaded.store(true, std::memory_order_release);
        QMetaObject::invokeMethod(
            m_receiver.get(), [this] { MakePlayer(); }, Qt::QueuedConnection);
    });
}

ISoundBackend* cSound::Player() {
    if (m_module == Module::Loading && m_loaded.load(std::memory_order_acquire)) {
        MakePlayer();
    }
    return m_player.get();
}

void cSound::MakePlayer() {
    if (m_module != Module::Loading) {
        return;
    }
    m_worker.join();
    if (m_factory != nullptr) {
        m_player.reset(m_factory());
    }
    m_module = m_player ? Module::Loaded : Module::Missing;
    if (m_player && m_request) {
        m_player->Play(*m_request);
    }
    m_request.reset();
}

void cSound::PlaySound(int event) {
    if (!m_enabled || !m_soundPath) {
        return;
    }
    PlayFile(m_soundPath(event));
}

void cSound::PlayFile(const QString& path) {
    StartLoading();
    const bool playable = !path.isEmpty() && QFileInfo(path).isFile();
    if (ISoundBackend* player = Player()) {
        if (playable) {
            player->Play(path);
        } else {
            player->Stop();
        }
    } else if (m_module == Module::Loading) {
        // A new sound stops the previous one, so only the latest request counts.
        m_request = playable ? std::optional<QString>(path) : std::nullopt;
    }
}

void cSound::Stopfile() {
    if (ISoundBackend* player = Player()) {
        player->Stop();
    }
    m_request.reset();
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
    return m_module == Module::Loading || (m_player && m_player->Loading());
}

} // namespace velmora
