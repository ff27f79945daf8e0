#include "appearance/DataFolder.h"
#include "appearance/cSound.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace velmora;

class CardMoveSound : public testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(CardMoveSound, ChoosesTheEventByTargetThenMode) {
    const auto [mode, to, event] = GetParam();
    EXPECT_EQ(cSound::CardMoveEvent(static_cast<MoveMode>(mode), static_cast<Location>(to)), event);
}

INSTANTIATE_TEST_SUITE_P(Moves, CardMoveSound,
                         testing::Values(std::make_tuple(1, 10, 7), std::make_tuple(-1, 201, 7),
                                         std::make_tuple(2, 10, 8), std::make_tuple(3, 10, 10),
                                         std::make_tuple(3, 203, 10), std::make_tuple(1, 205, 9),
                                         std::make_tuple(2, 206, 9), std::make_tuple(3, 208, 9),
                                         std::make_tuple(-1, 207, 9), std::make_tuple(0, 0, 7)));

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

TEST(DefaultSounds, SixEventsHaveSmallWaveFilesInTheDataFolder) {
    const std::vector<std::pair<int, QString>> files{{7, "Move.wav"},   {8, "Multi.wav"},
                                                     {9, "Right.wav"},  {10, "Undo.wav"},
                                                     {12, "Loose.wav"}, {13, "Win.wav"}};
    for (const auto& [event, name] : files) {
        const QString path = DefaultSoundFile(event);
        EXPECT_TRUE(path.endsWith(QStringLiteral("/") + name)) << path.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("RIFF")) << name.toStdString();
        EXPECT_EQ(bytes.mid(8, 4), QByteArray("WAVE"));
        EXPECT_LT(bytes.size(), 50 * 1024);
        EXPECT_GT(bytes.size(), 1000);
    }
    for (int event : {1, 2, 3, 4, 5, 6, 11, 14, 15, 16, 17, 0, 18}) {
        EXPECT_TRUE(DefaultSoundFile(event).isEmpty()) << event;
    }
    EXPECT_TRUE(QFileInfo(DataFolder()).isDir());
}
