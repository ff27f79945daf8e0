#include "mainwindow/GameStyle.h"
#include "mainwindow/TableDecorations.h"
#include "mainwindow/TableGeometry.h"
#include "mainwindow/ToolbarIcons.h"
#include "mainwindow/dlgAbout.h"
#include "mainwindow/dlgMove.h"
#include "mainwindow/frmSource.h"

#include "engine/GameState.h"
#include "engine/cGame.h"
#include "engine/mPics.h"
#include "history/GameSession.h"
#include "support/FakeDialogRunner.h"
#include "support/Fakes.h"
#include "support/Pixels.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <set>
#include <vector>

#include <sys/stat.h>

using namespace velmora;
using velmora::test::RecordingSound;
using velmora::test::WorstChannelDifference;

namespace {

QPushButton* Button(QWidget& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

TEST(dlgMoveDialog, EachButtonGivesItsChoiceAndShowingPlaysEvent17) {
    RecordingSound sound;
    dlgMove dialog(&sound);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Move to Empty Column.."));
    ASSERT_NE(Button(dialog, "cmdSingle"), nullptr);
    EXPECT_EQ(Button(dialog, "cmdSingle")->text(), QStringLiteral("Move Single Card"));
    EXPECT_EQ(Button(dialog, "cmdColumn")->text(), QStringLiteral("Move Column"));
    EXPECT_EQ(Button(dialog, "cmdCancel")->text(), QStringLiteral("Cancel"));

    const std::vector<std::pair<const char*, EmptyColumnChoice>> cases{
        {"cmdSingle", EmptyColumnChoice::Single},
        {"cmdColumn", EmptyColumnChoice::Column},
        {"cmdCancel", EmptyColumnChoice::Cancel}};
    for (const auto& [name, choice] : cases) {
        dialog.show();
        QTest::mouseClick(Button(dialog, name), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible()) << name;
        EXPECT_EQ(dialog.Choice(), choice) << name;
    }
    EXPECT_EQ(sound.events, (std::vector<int>{17, 17, 17}));

    // The close box answers Cancel, even after an earlier Single.
    dialog.show();
    QTest::mouseClick(Button(dialog, "cmdSingle"), Qt::LeftButton);
    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.Choice(), EmptyColumnChoice::Cancel);
}

TEST(dlgMoveDialog, AskRunsModallyAndReturnsTheAnswer) {
    RecordingSound sound;
    test::FakeDialogRunner runner;
    runner.answers.push_back([](QDialog& opened) {
        EXPECT_EQ(QApplication::activeModalWidget(), &opened);
        auto* dialog = qobject_cast<dlgMove*>(&opened);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->TargetColumn(), 5);
        Button(*dialog, "cmdColumn")->click();
    });
    EXPECT_EQ(dlgMove::Ask(nullptr, &sound, 5, runner), EmptyColumnChoice::Column);
    EXPECT_EQ(runner.leftOpen, 0);
    EXPECT_EQ(sound.events, std::vector<int>{17});
}

class SourceDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        session.StartGame(1);
        GameState& state = session.State();
        // Two player moves into free cells; the ace of hearts then goes home by itself.
        for (int column : {0, 3}) {
            mPics::PressCard(state, state.Game().GetBottomCardLocation(column));
            mPics::ClickFreeCellFrame(state, column == 0 ? 0 : 2);
        }
        ASSERT_GE(session.Trans().TotalTrans(), 2);
    }

    frmSource::Context Context() const {
        return {QStringLiteral("Ann Player"), folder.path(),
                [] { return QStringLiteral("12/5/2026 5:31:02 PM"); }};
    }

    QTemporaryDir folder;
    GameSession session;
    RecordingSound sound;
};

TEST_F(SourceDialog, ShowsTheMoveListAndPlaysEvent15) {
    frmSource dialog(session, &sound, Context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Game Source"));
    EXPECT_EQ(Button(dialog, "Command1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(Button(dialog, "Command2")->text(), QStringLiteral("Save"));
    EXPECT_EQ(Button(dialog, "Command3")->text(), QStringLiteral("Cancel"));
    dialog.show();
    EXPECT_EQ(sound.events, std::vector<int>{15});
    auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(text, nullptr);
    const std::string source = session.Trans().CreateSource();
    EXPECT_EQ(dialog.SourceText(), source);
    EXPECT_EQ(text->toPlainText().toStdString(), source);
    EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("A1   A8   D3   "))) << source;

    QTest::mouseClick(Button(dialog, "Command3"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SourceDialog, ADealBeforeItShowsGivesTheNewGamesEmptyList) {
    // The history it was made for is gone once another game is dealt.
    frmSource dialog(session, &sound, Context());
    session.StartGame(2);
    ASSERT_EQ(session.Trans().TotalTrans(), 0);
    dialog.show();
    EXPECT_EQ(dialog.SourceText(), "");
    QString suggested;
    dialog.setSaveDialog([&](QWidget*, const QString& start) {
        suggested = start;
        return QString();
    });
    QTest::mouseClick(Button(dialog, "Command2"), Qt::LeftButton);
    EXPECT_EQ(suggested, QDir(folder.path()).filePath(QStringLiteral("2 Source")));
}

TEST_F(SourceDialog, SaveWritesTheHeaderAndListWithCrLf) {
    frmSource dialog(session, &sound, Context());
    QString suggested;
    const QString path = folder.filePath(QStringLiteral("out.txt"));
    dialog.setSaveDialog([&](QWidget*, const QString& start) {
        suggested = start;
        return path;
    });
    dialog.show();
    QTest::mouseClick(Button(dialog, "Command2"), Qt::LeftButton);
    EXPECT_EQ(suggested, QDir(folder.path()).filePath(QStringLiteral("1 Source")));
    EXPECT_TRUE(dialog.isVisible()); // the dialog stays open

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected = "Velmora 2003 Source File\r\n"
                                "*************************\r\n"
                                " \r\n"
                                "Created by   : Ann Player\r\n"
                                "Created Date : 12/5/2026 5:31:02 PM\r\n"
                                "Game No      : 1\r\n"
                                " \r\n" +
                                QByteArray::fromStdString(session.Trans().CreateSource()) + "\r\n";
    EXPECT_EQ(file.readAll(), expected);
}

TEST_F(SourceDialog, CancelledOrFailedSavesWriteNothingAndFailuresAreReported) {
    frmSource dialog(session, &sound, Context());
    QStringList reports;
    dialog.setErrorReport([&](QWidget*, const QString& message) { reports << message; });
    dialog.setSaveDialog([](QWidget*, const QString&) { return QString(); });
    dialog.show();
    QTest::mouseClick(Button(dialog, "Command2"), Qt::LeftButton);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(reports.isEmpty());

    const QString bad = folder.filePath(QStringLiteral("missing/folder/out.txt"));
    dialog.setSaveDialog([&](QWidget*, const QString&) { return bad; });
    QTest::mouseClick(Button(dialog, "Command2"), Qt::LeftButton);
    EXPECT_EQ(reports.size(), 1);
    EXPECT_FALSE(QFile::exists(bad));

    // A FIFO is neither replaced nor written to.
    const QString fifo = folder.filePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    dialog.setSaveDialog([&](QWidget*, const QString&) { return fifo; });
    QTest::mouseClick(Button(dialog, "Command2"), Qt::LeftButton);
    ASSERT_EQ(reports.size(), 2);
    EXPECT_EQ(reports[1], "The file could not be saved:\n" + fifo + "\nit is not a regular file");
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

TEST(SourceFile, AnEmptyListGivesSevenHeaderLinesAndOneEmptyLine) {
    const QByteArray bytes =
        frmSource::FileContents(QStringLiteral("Bo"), QStringLiteral("1/2/2026 3:04:05 AM"), 0, "");
    EXPECT_EQ(bytes.count("\r\n"), 8);
    EXPECT_TRUE(bytes.endsWith("Game No      : 0\r\n \r\n\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
}

TEST(dlgAboutBox, HasOneOkButtonThatClosesIt) {
    dlgAbout dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Velmora 2003"));
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 1);
    dialog.show();
    QTest::mouseClick(Button(dialog, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dlgAbout::Version().isEmpty());
}

// The window icon's pictures are the program's icon drawn beforehand. With
// VELMORA_WRITE_ICONS=FOLDER this draws them into FOLDER (data/icons, after the icon changed).
TEST(ApplicationIcons, TheWindowIconsPicturesAreTheIconDrawnAtTheirSizes) {
    const QString folder = qEnvironmentVariable("VELMORA_WRITE_ICONS");
    const QIcon drawn = ApplicationIcon();
    const QIcon window = WindowIcon();
    for (const int size : ApplicationIconSizes) {
        const QImage expected =
            drawn.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        if (!folder.isEmpty()) {
            const QImage raw = expected.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
            QFile file(QDir(folder).filePath(QFileInfo(WindowIconFile(size)).fileName()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(reinterpret_cast<const char*>(raw.constBits()), raw.sizeInBytes()),
                      raw.sizeInBytes());
            continue;
        }
        const QImage stored = WindowIconImage(size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(stored.size(), QSize(size, size)) << size;
        EXPECT_LE(WorstChannelDifference(stored, expected), 8) << size;
        // The window picks the picture of the size it asks for, not a scaled one.
        EXPECT_EQ(
            window.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
            stored)
            << size;
    }
    EXPECT_EQ(window.availableSizes().size(), std::size(ApplicationIconSizes));
    EXPECT_TRUE(WindowIconImage(24).isNull()) << "no picture of another size";
}

// The toolbar's stored images are its images drawn at their sides; VELMORA_WRITE_ICONS=FOLDER
// draws them into FOLDER instead.
TEST(ToolbarImages, TheStoredImagesAreTheImagesDrawnAtTheirSides) {
    const QString folder = qEnvironmentVariable("VELMORA_WRITE_ICONS");
    for (const int side : StoredToolbarSides) {
        if (!folder.isEmpty()) {
            QFile file(QDir(folder).filePath(QFileInfo(ToolbarImagesFile(side)).fileName()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            for (int index = 1; index <= ImageCount; ++index) {
                const QImage raw = PaintedToolbarImage(index, side)
                                       .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
                ASSERT_EQ(
                    file.write(reinterpret_cast<const char*>(raw.constBits()), raw.sizeInBytes()),
                    raw.sizeInBytes());
            }
            continue;
        }
        for (int index = 1; index <= ImageCount; ++index) {
            const QImage stored = StoredToolbarImage(index, side);
            ASSERT_EQ(stored.size(), QSize(side, side)) << index << " at " << side;
            EXPECT_LE(WorstChannelDifference(stored, PaintedToolbarImage(index, side)), 8)
                << index << " at " << side;
        }
        // A toolbar button asks for 18 pixels at its screen's ratio.
        const QIcon icon = ToolbarIcon(QStringLiteral("Undo"));
        EXPECT_EQ(icon.pixmap(QSize(18, 18), side / 18.0).toImage(),
                  StoredToolbarImage(ImageUndo, side));
    }
    EXPECT_TRUE(StoredToolbarImage(ImageUndo, 24).isNull()) << "no images of another side";
    EXPECT_TRUE(StoredToolbarImage(0, 18).isNull());
    EXPECT_TRUE(StoredToolbarImage(ImageCount + 1, 18).isNull());
}

// The table's fixed shapes stored for scale 1 are the shapes drawn at each stored ratio,
// wherever the table's left edge falls; VELMORA_WRITE_ICONS=FOLDER draws them into FOLDER.
TEST(TableDecorationPictures, TheStoredPicturesAreTheShapesDrawnAtScaleOne) {
    const QString folder = qEnvironmentVariable("VELMORA_WRITE_ICONS");
    for (const int ratio : StoredDecorationRatios) {
        if (!folder.isEmpty()) {
            const QByteArray bytes =
                TableDecorationsBytes(PaintedTableDecorations(TableGeometry(1.0, 800, ratio)));
            QFile file(QDir(folder).filePath(QFileInfo(TableDecorationsFile(ratio)).fileName()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(bytes), bytes.size());
            continue;
        }
        const TableGeometry g(1.0, 803, ratio); // left edge at 81, the files' at 80
        const std::optional<TableDecorations> stored = StoredTableDecorations(g);
        ASSERT_TRUE(stored) << ratio;
        const TableDecorations painted = PaintedTableDecorations(g);
        std::vector<std::pair<QImage, QImage>> pairs{{stored->frame, painted.frame},
                                                     {stored->logo, painted.logo}};
        for (std::size_t i = 0; i < 4; ++i) {
            pairs.emplace_back(stored->suits[i], painted.suits[i]);
        }
        for (const auto& [kept, drawn] : pairs) {
            ASSERT_EQ(kept.size(), drawn.size()) << ratio;
            EXPECT_EQ(kept.devicePixelRatio(), ratio);
            EXPECT_LE(WorstChannelDifference(kept, drawn), 8) << ratio;
        }
        EXPECT_EQ(stored->suitOffset, painted.suitOffset);
        EXPECT_EQ(stored->logoOffset, painted.logoOffset);
    }
    EXPECT_FALSE(StoredTableDecorations(TableGeometry(1.25, 800, 1.0))) << "another scale";
    EXPECT_FALSE(StoredTableDecorations(TableGeometry(1.0, 800, 1.5))) << "another ratio";
}

TEST(ToolbarImages, EveryCommandButtonHasItsOwnCrispIcon) {
    const std::set<int> separators{5, 8, 13, 17, 21, 24};
    std::set<QByteArray> seen;
    for (int position = 1; position <= 25; ++position) {
        const QIcon icon = ToolbarIcon(position);
        if (position == 1 || separators.contains(position)) {
            EXPECT_TRUE(icon.isNull()) << position;
            continue;
        }
        ASSERT_FALSE(icon.isNull()) << position;
        const QPixmap pixmap = icon.pixmap(QSize(24, 24), 2.0);
        EXPECT_EQ(pixmap.size(), QSize(48, 48)) << position;
        const QImage normal = pixmap.toImage();
        const QImage disabled = icon.pixmap(QSize(24, 24), 2.0, QIcon::Disabled).toImage();
        EXPECT_NE(normal, disabled) << position;
        seen.insert(QByteArray(reinterpret_cast<const char*>(normal.constBits()),
                               static_cast<int>(normal.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 18u);
    EXPECT_EQ(ToolbarKey(5), QStringLiteral("Sep1"));
    EXPECT_EQ(ToolbarKey(25), QStringLiteral("Help"));
    EXPECT_TRUE(ToolbarIcon(QStringLiteral("NoSuchKey")).isNull());

    EXPECT_FALSE(ToolbarImage(ImageTarget, 24, 1.0).isNull());
    EXPECT_TRUE(ToolbarImage(0, 24, 1.0).isNull());
    EXPECT_EQ(TargetCursor(1.0).shape(), Qt::BitmapCursor);
}

namespace {

/// How far the image's alpha differs from its mirror image, left to right or top to bottom.
int Asymmetry(const QImage& image, bool leftToRight) {
    const QImage mirrored = image.mirrored(leftToRight, !leftToRight);
    int sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += std::abs(qAlpha(image.pixel(x, y)) - qAlpha(mirrored.pixel(x, y)));
        }
    }
    return sum;
}

} // namespace

// The extension buttons' chevrons point along the bar: right for a horizontal bar (the same
// upside down, not mirrored left to right), down for a vertical one. Every other picture is
// the base style's.
TEST(GameStyle, DrawsTheExtensionChevronsAndLeavesTheRestToItsBase) {
    GameStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    const QImage right = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                             .pixmap(QSize(16, 16))
                             .toImage();
    const QImage down = style.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton)
                            .pixmap(QSize(16, 16), 2.0)
                            .toImage();
    EXPECT_EQ(down.size(), QSize(32, 32));
    EXPECT_GT(Asymmetry(right, true), 4 * Asymmetry(right, false) + 1000);
    EXPECT_GT(Asymmetry(down, false), 4 * Asymmetry(down, true) + 1000);

    std::unique_ptr<QStyle> base(QStyleFactory::create(QStringLiteral("Fusion")));
    EXPECT_EQ(style.standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(QSize(32, 32)).toImage(),
              base->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(QSize(32, 32)).toImage());
}
