// The settings and customise dialogs opened from the main window's menu, and what start-up
// restores of them.

#include "MainWindowFixture.h"

#include "appearance/frmCustomize.h"
#include "appearance/frmSetting.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QStyleOption>
#include <QToolBar>

using namespace velmora;
using namespace velmora::test;

namespace {

class FrmMainAppearance : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        pictures = Path("pictures");
        QDir().mkpath(pictures);
    }

    QString Picture(const QString& name, QColor colour) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = pictures + u'/' + name;
        EXPECT_TRUE(image.save(path));
        return path;
    }

    template <typename W> static W* In(QWidget& dialog, const char* name) {
        W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void Press(QWidget& dialog, const char* button) {
        QTest::mouseClick(In<QPushButton>(dialog, button), Qt::LeftButton);
    }
    static QAction* Button(frmMain& w, const char* key) {
        return w.findChild<QToolBar*>("Toolbar1")->findChild<QAction*>(QString("tb") + key);
    }
    static bool MenuShown(frmMain& w, const char* name) {
        return w.findChild<QMenu*>(QString::fromLatin1(name))->menuAction()->isVisible();
    }

    QString pictures;
};

} // namespace

TEST_F(FrmMainAppearance, SettingsOkPaintsThePictureStoresItAndStartsTheRotation) {
    const QString first = Picture("a.bmp", Qt::red);
    const QString second = Picture("b.bmp", Qt::blue);
    folders.picturesFolder = pictures;
    frmMain& w = Start();
    EXPECT_FALSE(w.WallpaperRunning());

    EXPECT_TRUE(WithDialog<frmSetting>(w, "mnuSettings", [&](frmSetting& dialog) {
        In<QListWidget>(dialog, "ListView1")->setCurrentRow(0); // aquamarine
        In<QCheckBox>(dialog, "chkImage")->setChecked(true);
        In<QCheckBox>(dialog, "chkTimer")->setChecked(true);
        In<QListWidget>(dialog, "File1")->setCurrentRow(1);
        Press(dialog, "cmdOK");
    }));
    EXPECT_EQ(Stored("Settings", "ColorIndex"), "1");
    EXPECT_EQ(Stored("Settings", "EnableImage"), "1");
    EXPECT_EQ(Stored("Settings", "Image"), second);
    EXPECT_EQ(w.Table().colorIndex(), 1);
    EXPECT_EQ(w.Table().backgroundPicture().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_TRUE(w.WallpaperRunning());
    EXPECT_EQ(w.WallpaperInterval(), 10000);

    w.WallpaperTick();
    EXPECT_EQ(Stored("Settings", "Image"), first);
    EXPECT_EQ(w.Table().backgroundPicture().pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(FrmMainAppearance, SettingsCancelRepaintsFromTheStoreAndStoresNothing) {
    frmMain& w = Start();
    const QByteArray before = ReadAll(StorePath());
    EXPECT_TRUE(WithDialog<frmSetting>(w, "mnuSettings", [&](frmSetting& dialog) {
        In<QListWidget>(dialog, "ListView1")->setCurrentRow(14); // maroon
        Press(dialog, "Command1");
        EXPECT_EQ(w.Table().colorIndex(), 15) << "Preview paints the main window";
        Press(dialog, "cmdCancel");
    }));
    EXPECT_EQ(w.Table().colorIndex(), 7);
    EXPECT_EQ(ReadAll(StorePath()), before);
}

TEST_F(FrmMainAppearance, StartUpRotatesOnlyWhenTheStoredPictureExists) {
    const QString kept = Picture("kept.bmp", Qt::green);
    Picture("other.bmp", Qt::yellow);
    store->SaveSetting("Settings", "EnableImage", "1");
    store->SaveSetting("Settings", "EnableTimer", "1");
    store->SaveSetting("Settings", "TimerIndex", "6");
    store->SaveSetting("Settings", "Image", kept);
    {
        frmMain& w = Start();
        EXPECT_EQ(w.Table().backgroundPicture().pixelColor(0, 0), QColor(Qt::green));
        EXPECT_TRUE(w.WallpaperRunning());
        EXPECT_EQ(w.WallpaperInterval(), 1800000);
    }
    windows.clear();
    store->SaveSetting("Settings", "Image", pictures + "/gone.bmp");
    frmMain& w = Start();
    EXPECT_TRUE(w.Table().backgroundPicture().isNull());
    EXPECT_FALSE(w.WallpaperRunning());
}

TEST_F(FrmMainAppearance, AFreshStoreHidesFiveButtons) {
    frmMain& w = Start();
    for (const char* key : {"UndoAll", "RedoAll", "AddFav", "OpenFav", "Help"}) {
        EXPECT_FALSE(Button(w, key)->isVisible()) << key;
    }
    for (const char* key : {"New", "Undo", "Redo", "ReplayStop", "Scoreboard"}) {
        EXPECT_TRUE(Button(w, key)->isVisible()) << key;
    }
}

TEST_F(FrmMainAppearance, StatusBarItemsHaveNoFrameBesideTheirPanels) {
    // A style that frames status bar items, as some desktops' styles do.
    const QString before = QApplication::style()->name();
    QApplication::setStyle(QStringLiteral("Windows"));
    const auto restore = qScopeGuard([&] { QApplication::setStyle(before); });
    frmMain& w = Start();
    auto* bar = w.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    ASSERT_NE(bar, nullptr);
    // What the style draws around one item, through the bar's style and the application's.
    const auto itemFrame = [bar](const QStyle* style) {
        QImage image(40, 20, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QStyleOption option;
        option.initFrom(bar);
        option.rect = image.rect();
        style->drawPrimitive(QStyle::PE_FrameStatusBarItem, &option, &painter, bar);
        painter.end();
        QImage empty(image.size(), image.format());
        empty.fill(Qt::transparent);
        return image != empty;
    };
    ASSERT_TRUE(itemFrame(QApplication::style())) << "the style frames items of its own";
    EXPECT_FALSE(itemFrame(bar->style()));
    EXPECT_EQ(Panel(w, 1)->style(), QApplication::style()) << "the panels keep theirs";
}

TEST_F(FrmMainAppearance, CustomizeAppliesAtOnceRestoresOnTheOtherButtonAndOkPersists) {
    frmMain& w = Start();
    EXPECT_TRUE(WithDialog<frmCustomize>(w, "mnuCustom", [&](frmCustomize& dialog) {
        auto* menus = In<QListWidget>(dialog, "lvwMenu");
        ASSERT_EQ(menus->count(), 5);
        menus->item(2)->setCheckState(Qt::Unchecked); // Replay
        EXPECT_FALSE(MenuShown(w, "mnuReplay"));
        auto* toolbar = In<QListWidget>(dialog, "lvwToolbar");
        ASSERT_EQ(toolbar->count(), 18);
        EXPECT_EQ(toolbar->item(2)->text(), "Restart Game ");
        EXPECT_EQ(toolbar->item(10)->text(), "Stop");
        Press(dialog, "Command1");
    }));
    EXPECT_TRUE(MenuShown(w, "mnuReplay"));
    EXPECT_EQ(Stored("Custom", "Menu3"), "");

    EXPECT_TRUE(WithDialog<frmCustomize>(w, "mnuCustom", [&](frmCustomize& dialog) {
        In<QListWidget>(dialog, "lvwStatusbar")->item(3)->setCheckState(Qt::Unchecked);
        In<QListWidget>(dialog, "lvwToolbar")->item(17)->setCheckState(Qt::Checked); // Help
        Press(dialog, "cmdOK");
    }));
    EXPECT_EQ(Stored("Custom", "Panel4"), "False");
    EXPECT_EQ(Stored("Custom", "Button25"), "True");
    EXPECT_EQ(Stored("Custom", "Button9"), "False");
    EXPECT_TRUE(Panel(w, 4)->isHidden());

    // The next start puts the stored choice back.
    windows.clear();
    frmMain& again = Start();
    EXPECT_TRUE(Panel(again, 4)->isHidden());
    EXPECT_TRUE(Button(again, "Help")->isVisible());
    EXPECT_FALSE(Button(again, "UndoAll")->isVisible());
}
