// Background settings: repainting from the store, the picture list and the picture rotation.

#include "AppearanceFixture.h"

#include "appearance/ui/Background.h"

#include <cstring>

#include <QFile>

using namespace velmora;
using namespace velmora::test;

namespace {

using PictureRotation = AppearanceTest;
using BackgroundFromStore = AppearanceTest;

} // namespace

// Indexes outside the six rows (a hand-edited store) fall back to row 2.
TEST(RotationInterval, IsTheRowsSecondsTimesAThousand) {
    const std::pair<int, int> rows[] = {{1, 3000},   {2, 10000},   {3, 30000}, {4, 60000},
                                        {5, 300000}, {6, 1800000}, {0, 10000}, {7, 10000}};
    for (const auto& [timerIndex, milliseconds] : rows) {
        EXPECT_EQ(cSetting::IntervalMilliseconds(timerIndex), milliseconds) << timerIndex;
    }
}

TEST_F(PictureRotation, ListsTheFourPictureKindsInNameOrderWhateverTheirCase) {
    Picture("b.gif");
    Picture("A.JPG");
    Picture("d.jpeg");
    Picture("c.bmp");
    Picture("e.png");
    Touch(pictures + "/notes.txt");
    QDir().mkpath(pictures + "/folder.jpg");

    PictureFolder list;
    list.SetPath(pictures);
    EXPECT_EQ(list.Files(), QStringList({"A.JPG", "b.gif", "c.bmp", "d.jpeg"}));
    EXPECT_EQ(list.FullPath(1), pictures + "/b.gif");
    EXPECT_EQ(list.FullPath(4), QString());
    EXPECT_EQ(list.IndexOf("d.jpeg"), 3);

    list.SetPath(Path("missing"));
    EXPECT_EQ(list.ListCount(), 0);
}

TEST_F(PictureRotation, NeedsTwoPicturesAndBothSwitches) {
    setting->EnableImage(1);
    setting->EnableTimer(1);

    // No stored picture: start-up leaves the list empty and never touches the timer.
    setting->StartRotation();
    EXPECT_EQ(setting->File1().ListCount(), 0);
    EXPECT_EQ(window.starts, 0);

    setting->Image(Picture("one.bmp"));
    setting->StartRotation();
    EXPECT_EQ(setting->File1().Path(), pictures);
    EXPECT_FALSE(window.running) << "one picture does not rotate";

    Picture("two.gif");
    setting->StartRotation();
    EXPECT_TRUE(window.running);
    EXPECT_EQ(window.interval, 10000);

    setting->TimerIndex(6);
    setting->EnableTimer(0);
    setting->Start_WTimer();
    EXPECT_FALSE(window.running);
    setting->EnableTimer(1);
    setting->EnableImage(0);
    setting->Start_WTimer();
    EXPECT_FALSE(window.running);
    setting->EnableImage(1);
    setting->Start_WTimer();
    EXPECT_TRUE(window.running);
    EXPECT_EQ(window.interval, 1800000);
}

TEST_F(PictureRotation, TicksAlternateFromTheFirstFileAndStoreTheShownPicture) {
    const QString one = Picture("one.bmp");
    const QString two = Picture("two.jpg");
    setting->EnableImage(1);
    setting->EnableTimer(1);
    setting->ColorIndex(12);
    setting->Image(two);
    setting->StartRotation();
    ASSERT_TRUE(window.running);

    std::vector<QString> shown;
    for (int tick = 0; tick < 3; ++tick) {
        setting->WallpaperTick();
        EXPECT_EQ(window.Last().colorIndex, 12);
        shown.push_back(window.Last().picture);
        EXPECT_EQ(Reopened().GetSetting("Settings", "Image"), shown.back());
    }
    EXPECT_EQ(shown, (std::vector<QString>{one, two, one}));

    // A restart begins with the first picture again.
    setting->Start_WTimer();
    setting->WallpaperTick();
    EXPECT_EQ(window.Last().picture, one);
}

TEST_F(PictureRotation, AVanishedPictureLeavesTheGradientAndRotationGoesOn) {
    const QString one = Picture("one.bmp");
    const QString two = Picture("two.bmp");
    setting->EnableImage(1);
    setting->EnableTimer(1);
    setting->Image(one);
    setting->StartRotation();
    ASSERT_TRUE(QFile::remove(two));

    setting->WallpaperTick();
    setting->WallpaperTick();
    EXPECT_EQ(window.Last().picture, QString()) << "the gradient only";
    EXPECT_EQ(setting->Image(), two);
    setting->WallpaperTick();
    EXPECT_EQ(window.Last().picture, one);

    // At the next start the stored picture is gone: nothing rotates.
    FakeBackgroundWindow next;
    cSetting restarted(*store, &next);
    restarted.Image(two);
    restarted.StartRotation();
    EXPECT_EQ(next.starts, 0);
    restarted.Update_BackGround();
    EXPECT_EQ(next.Last().picture, QString());
}

TEST_F(BackgroundFromStore, PaintsThePictureOnlyWhenEnabledAndPresent) {
    setting->Update_BackGround();
    EXPECT_EQ(window.Last().colorIndex, 7);
    EXPECT_EQ(window.Last().picture, QString());

    const QString picture = Picture("sky.jpg");
    setting->Image(picture);
    setting->ColorIndex(3);
    setting->Update_BackGround();
    EXPECT_EQ(window.Last().picture, QString()) << "EnableImage is 0";
    setting->EnableImage(1);
    setting->Update_BackGround();
    EXPECT_EQ(window.Last().colorIndex, 3);
    EXPECT_EQ(window.Last().picture, picture);

    setting->Preview(20);
    EXPECT_EQ(window.Last().colorIndex, 20);
    EXPECT_EQ(window.Last().picture, picture);
}

TEST_F(BackgroundFromStore, UpdateAllStoresEveryValueThenRepaintsAndRestarts) {
    const QString one = Picture("one.gif");
    Picture("two.gif");
    SettingValues values;
    values.enableImage = 1;
    values.enableTimer = 1;
    values.image = one;
    values.sounds[0] = "/s/start.wav";
    values.sounds[16] = "/s/dialog.wav";
    values.tabIndex = 3;
    values.colorIndex = 25;
    values.treeIndex = 9;
    values.soundIndex = 4;
    values.timerIndex = 1;
    values.pictureFolder = pictures;
    setting->UpdateAll(values);

    const SettingsStore disk = Reopened();
    QStringList stored;
    for (const char* key : {"EnableImage", "EnableTimer", "Image", "Sound1", "Sound2", "Sound17",
                            "TabIndex", "ColorIndex", "TreeIndex", "SoundIndex", "TimerIndex"}) {
        stored << disk.GetSetting("Settings", key, "<none>");
    }
    EXPECT_EQ(stored, QStringList({"1", "1", one, "/s/start.wav", "", "/s/dialog.wav", "3", "25",
                                   "9", "4", "1"}));

    EXPECT_EQ(setting->File1().ListCount(), 2);
    EXPECT_EQ(window.Last().colorIndex, 25);
    EXPECT_EQ(window.Last().picture, one);
    EXPECT_TRUE(window.running);
    EXPECT_EQ(window.interval, 3000);
}

TEST_F(BackgroundFromStore, PicturesAreRefusedBeforeDecodingWhenFarTooLarge) {
    const QString small = Picture("small.bmp");
    EXPECT_EQ(ReadPicture(small, 24 * 16).size(), QSize(24, 16));
    EXPECT_TRUE(ReadPicture(small, 24 * 16 - 1).isNull());

    // A header that promises 60000 x 60000 pixels with no pixel data behind it.
    QImage header(1, 1, QImage::Format_RGB32);
    header.fill(Qt::blue);
    QByteArray bmp;
    {
        QFile out(pictures + "/huge.bmp");
        ASSERT_TRUE(header.save(&out, "BMP"));
    }
    QFile huge(pictures + "/huge.bmp");
    ASSERT_TRUE(huge.open(QIODevice::ReadWrite));
    bmp = huge.readAll();
    const qint32 side = 60000;
    std::memcpy(bmp.data() + 18, &side, 4);
    std::memcpy(bmp.data() + 22, &side, 4);
    huge.seek(0);
    huge.write(bmp);
    huge.close();
    EXPECT_TRUE(ReadPicture(pictures + "/huge.bmp", PictureLimit()).isNull());

    Touch(pictures + "/empty.jpg");
    EXPECT_TRUE(ReadPicture(pictures + "/empty.jpg", PictureLimit()).isNull());
    EXPECT_TRUE(ReadPicture(pictures + "/missing.gif", PictureLimit()).isNull());
}
