// Writes one kind of the player's files over and over until it is killed, and prints a letter
// after each completed write so that the killer can aim:
//   game      a saved game, its two versions in turn
//   settings  a setting, its two versions in turn
//   scores    a score line for each ended game
//   window    the real window: resumes the unfinished game, gives it up for a new one (a score
//             line), makes a move and closes (the unfinished game and its settings)
// Usage: crash_writer FOLDER KIND

#include "CrashFiles.h"
#include "support/Fakes.h"

#include "library/cSave.h"
#include "mainwindow/frmMain.h"
#include "scores/cPlayer.h"
#include "scores/cScore.h"
#include "scores/cUser.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>

using namespace velmora;

namespace {

void Done(char what) {
    std::fputc(what, stdout);
    std::fflush(stdout);
}

AppFolders FoldersIn(const QString& root) {
    AppFolders folders;
    folders.programFolder = root + QStringLiteral("/program");
    folders.userDataFolder = root + QStringLiteral("/data");
    folders.programFile = root + QStringLiteral("/bin/velmora2003");
    folders.updateDesktopDatabases = false;
    return folders;
}

[[noreturn]] void WriteGames(const CrashFiles& files) {
    GameSession games[2];
    CrashFiles::Play(games[0], 0);
    CrashFiles::Play(games[1], 1);
    for (int i = 0;; ++i) {
        if (games[i % 2].Trans().SaveToFile(files.savedGame.toStdString())) {
            Done('g');
        }
    }
}

[[noreturn]] void WriteSettings(SettingsStore& store) {
    for (int i = 0;; ++i) {
        store.SaveSetting(CrashFiles::Section, CrashFiles::Key, CrashFiles::Value(i % 2));
        Done('s');
    }
}

[[noreturn]] void WriteScores(SettingsStore& store, const QString& root, const CrashFiles& files) {
    test::FakeClock clock;
    test::FakeCombo combo;
    test::FakeMessages messages;
    cSave save(store, FoldersIn(root), clock);
    save.ScoreFile(files.scores);
    cPlayer player(store, &combo);
    cUser user(player, messages, &combo);
    if (!player.PlayerExists(QStringLiteral("Guest"))) {
        user.AddUser(QStringLiteral("Guest"), {}, QStringLiteral("1/1/2000 12:00:00 AM"));
    }
    user.ListUserCombo();
    combo.SelectPosition(1);
    cScore score(save, player, clock);
    for (int i = 0;; ++i) {
        if (score.SaveScore(i, 10 + i % 50, 100, static_cast<std::int16_t>(i % 101))) {
            Done('c');
        }
    }
}

[[noreturn]] void RunWindows(SettingsStore& store, const QString& root) {
    test::FakeClock clock;
    test::FakeMessages messages;
    test::FakeFileDialogs dialogs;
    messages.answer = true;
    for (int i = 0;; ++i) {
        clock.Advance(60);
        MainWindowContext context{store, FoldersIn(root), clock, messages, dialogs,
                                  {},    false,           false};
        frmMain window(context);
        window.Command(CommandId::New);
        cGame& board = window.Session().State().MutableGame();
        board.SetLocation(board.GetBottomCardLocation(static_cast<Location>(i % ColumnCount)),
                          FirstFreeCell, MoveMode::Click, Motion::Instant());
        clock.Advance(30);
        window.close();
        Done('w');
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: crash_writer FOLDER game|settings|scores|window\n");
        return 2;
    }
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const CrashFiles files = CrashFiles::In(root);
    SettingsStore store(files.settings);
    const char* kind = argv[2];
    if (std::strcmp(kind, "game") == 0) {
        WriteGames(files);
    }
    if (std::strcmp(kind, "settings") == 0) {
        WriteSettings(store);
    }
    if (std::strcmp(kind, "scores") == 0) {
        WriteScores(store, root, files);
    }
    if (std::strcmp(kind, "window") == 0) {
        RunWindows(store, root);
    }
    std::fprintf(stderr, "crash_writer: unknown kind %s\n", kind);
    return 2;
}
