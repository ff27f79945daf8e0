// Names the player types that become file names: whatever the text, a file is only ever
// created directly inside its folder, and a name the rules accept is saved there.
//   sound schemes: "Save As.." on the sound page, in the user files folder

#include "FuzzMessages.h"
#include "FuzzSupport.h"

#include "appearance/SoundPage.h"
#include "appearance/SoundScheme.h"
#include "appearance/cSetting.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

using namespace velmora;

namespace {

/// Every file and folder below `root`, relative to it.
QStringList Tree(const QString& root) {
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        entries << QDir(root).relativeFilePath(it.next());
    }
    entries.sort();
    return entries;
}

/// Removes everything inside `folder`, keeping the folder. Paths are joined by hand: to QDir
/// a name that starts with a colon is a resource path.
void Empty(const QString& folder) {
    for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = folder + u'/' + name;
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink()) {
            QDir(path).removeRecursively();
        } else {
            QFile::remove(path);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString root = QString::fromStdString(fuzz::ScratchPath("names"));
    static const QString userFolder = root + QStringLiteral("/user/Velmora 2003 Files");
    static const bool made = QDir().mkpath(userFolder) && QDir().mkpath(root + "/outside");
    FUZZ_CHECK(made, "cannot make the scratch folders");
    static SettingsStore store(QString::fromStdString(fuzz::ScratchPath("names.ini")));
    static cSetting setting(store);
    static fuzz::Messages messages;
    static SoundPage page(setting, userFolder, messages);

    const QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList before = Tree(root);

    messages.input = name;
    messages.boxes = 0;
    page.SaveSoundScheme();
    const bool accepted = !name.isEmpty() && !SoundScheme::NameProblem(name);
    const QStringList inFolder = QDir(userFolder).entryList(QDir::Files | QDir::Hidden);
    if (accepted) {
        FUZZ_CHECK(messages.boxes == 0, "an accepted name was not saved: " + name.toStdString());
        FUZZ_CHECK(inFolder == QStringList{name + QStringLiteral(".sd")},
                   "the scheme is not the one file in its folder: " +
                       inFolder.join(u'|').toStdString());
        // The list shows the saved scheme and selects it.
        const auto& chosen = page.Schemes()[static_cast<std::size_t>(page.SchemePosition() - 1)];
        FUZZ_CHECK(QFileInfo(chosen.key) == QFileInfo(userFolder + u'/' + inFolder.value(0)),
                   "the list selects " + chosen.key.toStdString() + " after saving " +
                       name.toStdString());
    } else {
        FUZZ_CHECK(inFolder.isEmpty(), "a refused name made a file: " + name.toStdString());
    }
    Empty(userFolder);
    const QStringList after = Tree(root);
    FUZZ_CHECK(after == before, "a file was made outside its folder by \"" + name.toStdString() +
                                    "\": " + after.join(u'|').toStdString());
    return 0;
}
