#include "appearance/DataFolder.h"
#include "appearance/SoundModule.h"
#include "appearance/cSound.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <tuple>
#include <vector>

using namespace velmora;

TEST(CardMoveSound, ChoosesTheEventByTargetThenMode) {
    // Mode, target, event: a home cell first, then the kind of move.
    const std::tuple<int, int, int> moves[] = {{1, 10, 7},   {-1, 201, 7}, {2, 10, 8},  {3, 10, 10},
                                               {3, 203, 10}, {1, 205, 9},  {2, 206, 9}, {3, 208, 9},
                                               {-1, 207, 9}, {0, 0, 7}};
    for (const auto& [mode, to, event] : moves) {
        EXPECT_EQ(cSound::CardMoveEvent(static_cast<MoveMode>(mode), static_cast<Location>(to)),
                  event)
            << mode << " to " << to;
    }
}

TEST(cSoundPlaying, NothingPlaysBeforeInitThenEveryEventAsksForItsFile) {
    std::vector<int> asked;
    cSound sound([&](int event) {
        asked.push_back(event);
        return QString();
    });
    sound.PlaySound(SoundNewGame);
    sound.CardMove(MoveMode::Follow, 206);
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(sound.Enabled());

    sound.init();
    EXPECT_TRUE(sound.Enabled());
    sound.PlaySound(SoundNewGame);
    sound.CardMove(MoveMode::Follow, 206);
    sound.CardMove(MoveMode::Follow, 12);
    sound.CardMove(MoveMode::History, 12);
    EXPECT_EQ(asked, (std::vector<int>{3, 9, 8, 10}));
}

TEST(cSoundPlaying, MissingFilesAndAMissingDeviceAreIgnored) {
    const QString move = DefaultSoundFile(SoundNormalMove);
    cSound sound([&](int event) {
        if (event == SoundNormalMove) {
            return move;
        }
        if (event == SoundMultiMove) {
            return QStringLiteral("/nonexistent/folder/none.wav");
        }
        return QString();
    });
    sound.Stopfile(); // before init: no player yet
    sound.init();
    for (int i = 0; i < 3; ++i) {
        sound.PlaySound(SoundNormalMove);
        sound.PlaySound(SoundMultiMove);
        sound.PlaySound(SoundWinGame);
        QCoreApplication::processEvents();
    }
    sound.PlayFile(QStringLiteral("/nonexistent.wav"));
    sound.PlayFile(move);
    sound.Stopfile();
    // A load still running when the program ends is reported as a leak by the sanitizer run.
    QDeadlineTimer deadline(10000);
    while (sound.Loading() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_FALSE(sound.Loading());
}

namespace {

/// What the fake player was told, in order: "play <path>" or "stop".
std::vector<QString> g_played;

class FakeBackend final : public ISoundBackend {
public:
    void Play(const QString& path) override { g_played.push_back(QStringLiteral("play ") + path); }
    void Stop() override { g_played.push_back(QStringLiteral("stop")); }
    bool Loading() const override { return false; }
};

ISoundBackend* MakeFakeBackend() {
    return new FakeBackend;
}

/// A module load the test lets finish when it wants.
class HeldLoad {
public:
    explicit HeldLoad(SoundBackendFactory factory) : m_factory(factory) {}
    cSound::ModuleLoader Loader() {
        return [this] {
            m_done.get_future().wait();
            return m_factory;
        };
    }
    /// Lets the load finish and waits until the player is ready.
    void Finish(cSound& sound) {
        m_done.set_value();
        QDeadlineTimer deadline(10000);
        while (sound.Loading() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

private:
    SoundBackendFactory m_factory;
    std::promise<void> m_done;
};

QString Wave() {
    return DefaultSoundFile(SoundNormalMove);
}

} // namespace

TEST(cSoundModule, OnlyTheLatestSoundAskedForWhileLoadingPlaysOnceReady) {
    g_played.clear();
    HeldLoad load(&MakeFakeBackend);
    const QString first = DefaultSoundFile(SoundMultiMove);
    cSound sound([&](int event) { return event == SoundNewGame ? first : Wave(); }, load.Loader());
    sound.init();
    EXPECT_TRUE(sound.Loading()) << "the module is still loading";
    sound.PlaySound(SoundNewGame);
    sound.PlaySound(SoundNormalMove);
    QCoreApplication::processEvents();
    EXPECT_TRUE(g_played.empty());
    EXPECT_TRUE(sound.Loading());
    load.Finish(sound);
    EXPECT_FALSE(sound.Loading());
    EXPECT_EQ(g_played, (std::vector<QString>{QStringLiteral("play ") + Wave()}));

    sound.PlaySound(SoundNewGame);
    EXPECT_EQ(g_played.back(), QStringLiteral("play ") + first) << "ready: played at once";
}

TEST(cSoundModule, AStopOrAnUnplayableFileWhileLoadingCancelsTheKeptSound) {
    // A sound the player stopped must not play once the module is there.
    for (const bool stop : {true, false}) {
        g_played.clear();
        HeldLoad load(&MakeFakeBackend);
        cSound sound([](int) { return QString(); }, load.Loader());
        sound.PlayFile(Wave()); // the settings dialog's Play button: no init needed
        if (stop) {
            sound.Stopfile();
        } else {
            sound.PlayFile(QStringLiteral("/nonexistent/none.wav"));
        }
        load.Finish(sound);
        EXPECT_TRUE(g_played.empty()) << stop;
    }
}

TEST(cSoundModule, AHeldModuleLoadsOnlyOnReleaseAndThenPlaysTheKeptSound) {
    g_played.clear();
    std::atomic<int> loads{0};
    cSound idle([](int) { return Wave(); },
                [&] {
                    ++loads;
                    return &MakeFakeBackend;
                });
    idle.Hold();
    idle.Release();
    EXPECT_EQ(loads.load(), 0) << "nothing asked for the module";

    HeldLoad load(&MakeFakeBackend);
    cSound sound([](int) { return Wave(); },
                 [&, inner = load.Loader()] {
                     ++loads;
                     return inner();
                 });
    sound.Hold();
    sound.init();
    sound.PlaySound(SoundStartSession);
    QCoreApplication::processEvents();
    EXPECT_EQ(loads.load(), 0) << "held";
    EXPECT_TRUE(sound.Loading());
    sound.Release();
    // A hold while the module loads would start a second load over the first.
    sound.Hold();
    sound.Release();
    load.Finish(sound);
    EXPECT_EQ(loads.load(), 1);
    EXPECT_EQ(g_played, (std::vector<QString>{QStringLiteral("play ") + Wave()}));
}

TEST(cSoundModule, WithoutTheModuleEverySoundIsDroppedQuietly) {
    // Loading() must not stay true: the settings dialog and the leak wait would hang on it.
    HeldLoad load(nullptr);
    cSound sound([](int) { return Wave(); }, load.Loader());
    sound.init();
    sound.PlaySound(SoundNormalMove);
    load.Finish(sound);
    EXPECT_FALSE(sound.Loading());
    sound.PlaySound(SoundNormalMove);
    sound.PlayFile(Wave());
    sound.Stopfile();
    EXPECT_TRUE(sound.Enabled());
}

TEST(SoundModule, TheFirstCandidateThatLoadsIsUsedAndBrokenOnesAreSkipped) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString broken = dir.filePath(QStringLiteral("libvelmora_sound.so"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a shared object");
    file.close();
    const QString missing = dir.filePath(QStringLiteral("none/libvelmora_sound.so"));
    EXPECT_EQ(LoadSoundModule({missing, broken}), nullptr);

    // The build tree's module, found from this test program's folder elsewhere in the tree.
    const QStringList candidates = SoundModuleCandidates();
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_TRUE(candidates[0].startsWith(QCoreApplication::applicationDirPath()));
    const SoundBackendFactory factory = LoadSoundModule(QStringList{missing, broken} + candidates);
    ASSERT_NE(factory, nullptr);
    // A file is not played here: its load would outlive the player and read as a leak.
    const std::unique_ptr<ISoundBackend> player(factory());
    player->Stop();
    EXPECT_FALSE(player->Loading());
}

// Which event has which file is the first run's test; here the files must be there.
TEST(DefaultSounds, SixEventsHaveSmallWaveFilesInTheDataFolder) {
    int files = 0;
    for (int event = 0; event <= SoundEventCount + 1; ++event) {
        const QString path = DefaultSoundFile(event);
        if (path.isEmpty()) {
            continue;
        }
        ++files;
        EXPECT_TRUE(path.startsWith(DataFolder() + "/")) << event;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE") << event;
        EXPECT_LT(bytes.size(), 50 * 1024);
        EXPECT_GT(bytes.size(), 1000);
    }
    EXPECT_EQ(files, 6);
    EXPECT_TRUE(DefaultSoundFile(SoundNormalMove).endsWith("/Move.wav"));
}
