// The sound-scheme reader: any bytes as a ".sd" file. It reads at most the 17 entries, the
// file and the text read alike, and the entries it read write back to a file that reads the
// same.

#include "FuzzMessages.h"
#include "FuzzSupport.h"

#include "appearance/SoundPage.h"
#include "appearance/SoundScheme.h"
#include "appearance/cSetting.h"
#include "platform/SettingsStore.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static SettingsStore store(QString::fromStdString(fuzz::ScratchPath("settings.ini")));
    static cSetting setting(store);
    static fuzz::Messages messages;
    static SoundPage page(setting, QString::fromStdString(fuzz::ScratchFolder().string()),
                          messages);

    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SoundScheme::Paths parsed;
    const int read = SoundScheme::Parse(bytes, parsed);
    FUZZ_CHECK(read >= 0 && read <= SoundScheme::EventCount, std::to_string(read) + " entries");

    // The scheme list's path: the whole file, as the dialog loads it.
    const std::string path = fuzz::ScratchPath("fuzz.sd");
    fuzz::WriteFile(path, std::string_view(bytes.constData(), size));
    page.OpenSndScheme(QStringLiteral("No"));
    page.OpenSndScheme(QString::fromStdString(path));
    for (int i = 0; i < read; ++i) {
        FUZZ_CHECK(page.Working()[static_cast<std::size_t>(i)] ==
                       parsed[static_cast<std::size_t>(i)],
                   "entry " + std::to_string(i + 1) + " reads otherwise from the file");
    }

    const std::string again = fuzz::ScratchPath("again.sd");
    const auto saved = SoundScheme::Save(QString::fromStdString(again), page.Working());
    FUZZ_CHECK(saved.has_value(), saved ? std::string() : saved.error().message);
    SoundScheme::Paths reread;
    FUZZ_CHECK(SoundScheme::Load(QString::fromStdString(again), reread) == SoundScheme::EventCount,
               "a written scheme does not read back 17 entries");
    FUZZ_CHECK(reread == page.Working(), "a written scheme does not read back the same");
    return 0;
}
