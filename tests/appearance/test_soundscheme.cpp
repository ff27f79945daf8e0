// Sound scheme files and the sound page: the list, loading, Save As, Delete and the controls.

#include "AppearanceFixture.h"

#include "appearance/SoundPage.h"
#include "appearance/SoundScheme.h"

#include <QFile>

using namespace velmora;
using namespace velmora::test;

namespace {

SoundScheme::Paths Numbered(const QString& prefix) {
    SoundScheme::Paths paths;
    for (int i = 0; i < SoundScheme::EventCount; ++i) {
        paths[static_cast<std::size_t>(i)] = prefix + QString::number(i + 1) + ".wav";
    }
    return paths;
}

class SoundPageTest : public AppearanceTest {
protected:
    void SetUp() override {
        AppearanceTest::SetUp();
        schemes = Path("user");
        QDir().mkpath(schemes);
    }
    QString Scheme(const QString& name) const { return schemes + u'/' + name + ".sd"; }
    void Write(const QString& name, const SoundScheme::Paths& paths) {
        ASSERT_TRUE(SoundScheme::Save(Scheme(name), paths));
    }
    QStringList Names(const SoundPage& page) const {
        QStringList names;
        for (const SchemeEntry& entry : page.Schemes()) {
            names << entry.name;
        }
        return names;
    }

    QString schemes;
    FakeMessages messages;
};

using SchemeFile = SoundPageTest;
using SchemeList = SoundPageTest;
using SchemeSaveAs = SoundPageTest;
using SchemeDelete = SoundPageTest;
using SoundControlsTest = SoundPageTest;

} // namespace

TEST_F(SchemeFile, IsSeventeenQuotedLinesAndReadsBackWhole) {
    SoundScheme::Paths paths;
    paths[6] = "/usr/share/velmora2003/Move.wav";
    paths[12] = "/home/p/say \"hi\", then.wav";
    ASSERT_TRUE(SoundScheme::Save(Scheme("x"), paths));
    const QByteArray text = ReadAll(Scheme("x"));
    EXPECT_EQ(text.count("\r\n"), 17);
    EXPECT_TRUE(text.startsWith("\"\"\r\n\"\"\r\n"));
    EXPECT_TRUE(text.contains("\r\n\"/usr/share/velmora2003/Move.wav\"\r\n"));

    SoundScheme::Paths back = Numbered("old");
    EXPECT_EQ(SoundScheme::Load(Scheme("x"), back), 17);
    EXPECT_EQ(back, paths);
}

TEST_F(SchemeFile, ShortLongAndUnreadableFilesLoadWhatTheyCan) {
    SoundScheme::Paths paths = Numbered("old");
    // Three lines, LF only, one unquoted: entries 4 to 17 keep their values.
    EXPECT_EQ(SoundScheme::Parse("\"/a.wav\"\n  /b.wav  \n\"\"\n", paths), 3);
    EXPECT_EQ(paths[0], "/a.wav");
    EXPECT_EQ(paths[1], "/b.wav");
    EXPECT_EQ(paths[2], "");
    EXPECT_EQ(paths[3], "old4.wav");
    EXPECT_EQ(paths[16], "old17.wav");

    // The last line without its line end still counts; lines after the 17th are ignored.
    QByteArray longText;
    for (int i = 1; i <= 20; ++i) {
        longText += "\"/n" + QByteArray::number(i) + "\"\r\n";
    }
    longText.chop(2);
    paths = Numbered("old");
    EXPECT_EQ(SoundScheme::Parse(longText, paths), 17);
    EXPECT_EQ(paths[16], "/n17");
    paths = Numbered("old");
    EXPECT_EQ(SoundScheme::Parse("\"/only\"", paths), 1);
    EXPECT_EQ(paths[0], "/only");
    EXPECT_EQ(paths[1], "old2.wav");

    paths = Numbered("old");
    EXPECT_EQ(SoundScheme::Load(Scheme("missing"), paths), 0);
    EXPECT_EQ(paths, Numbered("old"));
}

TEST_F(SchemeFile, ANameIsRefusedWhenItCannotNameAFileOfItsOwn) {
    for (const QString& bad :
         {QString("a/b"), QString("..\\up"), QString("."), QString(".."), QString("   "),
          QString("tab\there"), QString("new\nline"), QString(260, u'x')}) {
        EXPECT_TRUE(SoundScheme::NameProblem(bad).has_value()) << bad.toStdString();
    }
    for (const QString& good : {QString("My Scheme"), QString("..x"), QString("a.b"),
                                QString("Déjà vu"), QString(252, u'x')}) {
        EXPECT_FALSE(SoundScheme::NameProblem(good).has_value()) << good.toStdString();
    }
}

TEST_F(SchemeFile, ALinkIsNeverFollowed) {
    ASSERT_TRUE(QFile::link(Path("elsewhere.txt"), Scheme("link")));
    EXPECT_FALSE(SoundScheme::Save(Scheme("link"), Numbered("a")));
    EXPECT_FALSE(QFileInfo::exists(Path("elsewhere.txt")));
}

TEST_F(SchemeList, StartsWithNoSoundsThenEveryFileEndingInSd) {
    Write("Zebra", Numbered("z"));
    Write("alpha", Numbered("a"));
    Touch(schemes + "/Holdsd");
    Touch(schemes + "/notes.sdx");
    Touch(schemes + "/Loud.SD");
    QDir().mkpath(schemes + "/dir.sd");

    SoundPage page(*setting, schemes, messages);
    page.Update_SoundCombo(3);
    EXPECT_EQ(Names(page), QStringList({"No Sounds", "alpha", "Holdsd", "Loud", "Zebra"}));
    EXPECT_EQ(page.Schemes()[0].key, "No");
    EXPECT_EQ(page.Schemes()[4].key, Scheme("Zebra"));
    EXPECT_EQ(page.SchemePosition(), 3);

    // A position past the end (or before the start) selects "No Sounds", which clears all.
    page.Update_SoundCombo(2);
    EXPECT_EQ(page.Working(), Numbered("a"));
    page.Update_SoundCombo(6);
    EXPECT_EQ(page.SchemePosition(), 1);
    EXPECT_EQ(page.Working(), SoundScheme::Paths{});
    page.Update_SoundCombo(2);
    page.Update_SoundCombo(0);
    EXPECT_EQ(page.Working(), SoundScheme::Paths{});

    page.SoundComboClick(5);
    EXPECT_EQ(page.Working(), Numbered("z"));
}

TEST_F(SchemeList, OpeningLoadsTheStoredSchemeOverTheStoredSounds) {
    SoundScheme::Paths scheme;
    scheme[6] = "/opt/v/Move.wav";
    Write("Default Sound Scheme", scheme);
    setting->Sound(1, "/stored/start.wav");
    setting->TreeIndex(40);

    SoundPage page(*setting, schemes, messages);
    page.SoundsInit();
    EXPECT_EQ(page.SchemePosition(), 2);
    EXPECT_EQ(page.Working(), scheme) << "the scheme's empty start sound, not the stored one";
    EXPECT_EQ(page.SelectedNode(), FirstSoundLeaf) << "a node outside the tree";

    // With "No Sounds" stored, the dialog opens with every event silent.
    setting->SoundIndex(1);
    page.SoundsInit();
    EXPECT_EQ(page.Working(), SoundScheme::Paths{});
}

TEST_F(SchemeSaveAs, WritesTheWorkingSoundsAndSelectsTheSavedScheme) {
    Write("Beta", Numbered("b"));
    Write("Delta", Numbered("d"));
    SoundPage page(*setting, schemes, messages);
    page.Update_SoundCombo(3); // Delta
    page.SelectNode(9);
    page.SetSelectedPath("/mine/new.wav");
    const SoundScheme::Paths edited = page.Working();

    messages.inputs = {"Alpha"};
    page.SaveSoundScheme();
    EXPECT_EQ(messages.prompts, QStringList{"Please Enter a name for the Scheme"});
    EXPECT_EQ(Names(page), QStringList({"No Sounds", "Alpha", "Beta", "Delta"}));
    EXPECT_EQ(page.SchemePosition(), 2) << "the saved scheme, not the last entry";
    EXPECT_EQ(page.Working(), edited);
    SoundScheme::Paths saved;
    SoundScheme::Load(Scheme("Alpha"), saved);
    EXPECT_EQ(saved, edited);

    // The same name again replaces the file and keeps the list and the working sounds.
    page.SetSelectedPath("/mine/newer.wav");
    messages.inputs = {"Beta"};
    page.SaveSoundScheme();
    EXPECT_EQ(Names(page).size(), 4);
    EXPECT_EQ(page.SchemePosition(), 3);
    EXPECT_EQ(page.Working()[2], "/mine/newer.wav");
    SoundScheme::Load(Scheme("Beta"), saved);
    EXPECT_EQ(saved[2], "/mine/newer.wav");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(SchemeSaveAs, ASchemeNamedWithALeadingDotIsListedAndSelected) {
    Write("Beta", Numbered("b"));
    SoundPage page(*setting, schemes, messages);
    page.Update_SoundCombo(2);
    page.SetSelectedPath("/mine/new.wav");
    const SoundScheme::Paths edited = page.Working();

    messages.inputs = {".Quiet"};
    page.SaveSoundScheme();
    EXPECT_EQ(Names(page), QStringList({"No Sounds", ".Quiet", "Beta"}));
    EXPECT_EQ(page.SchemePosition(), 2);
    EXPECT_EQ(page.Working(), edited) << "another scheme was loaded over the edited sounds";
}

TEST_F(SchemeSaveAs, AnEmptyAnswerDoesNothingAndABadNameIsRefused) {
    SoundPage page(*setting, schemes, messages);
    page.Update_SoundCombo(1);
    page.SaveSoundScheme(); // cancelled
    EXPECT_TRUE(messages.boxes.empty());

    messages.inputs = {"../escape"};
    page.SaveSoundScheme();
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(QDir(schemes).entryList(QDir::Files).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(Path("escape.sd")));
    EXPECT_EQ(Names(page), QStringList{"No Sounds"});
}

TEST_F(SchemeDelete, AsksThenDeletesTheSelectedScheme) {
    Write("Beta", Numbered("b"));
    Write("Delta", Numbered("d"));
    SoundPage page(*setting, schemes, messages);

    page.Update_SoundCombo(1);
    page.DeleteSoundScheme();
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.boxes[0].text, "Nothing to Delete");
    EXPECT_FALSE(messages.boxes[0].question);

    page.Update_SoundCombo(2);
    messages.answers = {false};
    page.DeleteSoundScheme();
    EXPECT_EQ(messages.boxes.back().text, "Are you sure you want to delete this Scheme ?");
    EXPECT_EQ(messages.boxes.back().icon, MessageIcon::Critical);
    EXPECT_TRUE(QFileInfo::exists(Scheme("Beta")));

    messages.answers = {true};
    page.DeleteSoundScheme();
    EXPECT_FALSE(QFileInfo::exists(Scheme("Beta")));
    EXPECT_EQ(Names(page), QStringList({"No Sounds", "Delta"}));
    EXPECT_EQ(page.SchemePosition(), 2);
    EXPECT_EQ(page.Working(), Numbered("d"));
}

TEST_F(SoundControlsTest, CategoriesDisableEverythingAndEmptyEventsCannotPlay) {
    SoundPage page(*setting, schemes, messages);
    page.Update_SoundCombo(1);
    page.SelectNode(4);
    page.SetSelectedPath("/ignored.wav");
    SoundControls controls = page.Controls();
    EXPECT_FALSE(controls.browse || controls.play || controls.showPath);
    EXPECT_EQ(page.Working(), SoundScheme::Paths{});

    page.SelectNode(7);
    controls = page.Controls();
    EXPECT_TRUE(controls.browse && controls.showPath);
    EXPECT_FALSE(controls.play);
    EXPECT_TRUE(page.IsSilent(7));

    page.SelectNode(23);
    page.SetSelectedPath("/dialog.wav");
    controls = page.Controls();
    EXPECT_TRUE(controls.play);
    EXPECT_EQ(controls.path, "/dialog.wav");
    EXPECT_EQ(page.Working()[16], "/dialog.wav");
    EXPECT_FALSE(page.IsSilent(23));
    EXPECT_FALSE(page.IsSilent(2));
}
