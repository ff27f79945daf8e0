// The score file loader: any bytes as the score file. Every line the loader takes reads back
// the same after it is written again, the table stays within its limit, and appending a game
// keeps every record that was there and adds exactly one.

#include "FuzzSupport.h"

#include "library/AppFolders.h"
#include "library/Clock.h"
#include "library/cSave.h"
#include "platform/SettingsStore.h"
#include "scores/PlayerPorts.h"
#include "scores/cPlayer.h"
#include "scores/cScore.h"
#include "support/QuietPorts.h"

#include <QDir>
#include <QStringList>

#include <memory>

using namespace velmora;

namespace {

/// A settings store with one player, "Guest", made long before any date the input can hold
/// in a valid line; its folders in the scratch folder.
struct Home {
    Home() {
        const QString root = QString::fromStdString(fuzz::ScratchPath("home"));
        folders.programFolder = root + QStringLiteral("/program");
        folders.userDataFolder = root + QStringLiteral("/data");
        folders.programFile = root + QStringLiteral("/bin/velmora2003");
        folders.updateDesktopDatabases = false;
        QDir().mkpath(folders.programFolder);
        QDir().mkpath(folders.userDataFolder);
        store = std::make_unique<SettingsStore>(root + QStringLiteral("/settings.ini"));
        save = std::make_unique<cSave>(*store, folders, clock);
        scoreFile = root + QStringLiteral("/scores.sre");
        save->ScoreFile(scoreFile);
        player = std::make_unique<cPlayer>(*store, &combo);
        player->AddPlayer(QStringLiteral("Guest"), 1, {}, QStringLiteral("1/1/1900 12:00:00 AM"));
        score = std::make_unique<cScore>(*save, *player, clock);
    }

    quiet::FixedClock clock;
    quiet::GuestSelected combo;
    AppFolders folders;
    QString scoreFile;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<cSave> save;
    std::unique_ptr<cPlayer> player;
    std::unique_ptr<cScore> score;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Home home;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    for (QString line : QString::fromUtf8(bytes).split(u'\n')) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const auto record = cScore::ParseRecord(line);
        if (!record || record->Name.contains(u'\r') || record->Date.contains(u'\r')) {
            continue;
        }
        const auto again = cScore::ParseRecord(cScore::FormatRecord(*record));
        FUZZ_CHECK(again && *again == *record,
                   "a record does not read back the same: " + line.toStdString());
    }

    fuzz::WriteFile(home.scoreFile.toStdString(), std::string_view(bytes.constData(), size));
    home.score->LoadScores();
    const auto before = home.score->Records();
    FUZZ_CHECK(home.score->Count() <= cScore::MaxRecords, "too many records");
    for (const ScoreRecord& r : before) {
        FUZZ_CHECK(r.Name == QStringLiteral("Guest"), "a record of no player was kept");
        if (r.Date.contains(u'\r')) {
            continue; // written back as a blank, on purpose
        }
        const auto again = cScore::ParseRecord(cScore::FormatRecord(r));
        FUZZ_CHECK(again && *again == r, "a loaded record does not read back the same");
    }

    const auto saved = home.score->SaveScore(12345, 87, 125, 100);
    FUZZ_CHECK(saved.has_value(), saved ? std::string() : saved.error().message);
    home.score->LoadScores();
    const auto& after = home.score->Records();
    FUZZ_CHECK(after.size() == before.size() + 1, "appending a game kept " +
                                                      std::to_string(after.size()) + " of " +
                                                      std::to_string(before.size()) + " + 1");
    FUZZ_CHECK(std::equal(before.begin(), before.end(), after.begin()),
               "appending a game changed the records before it");
    return 0;
}
