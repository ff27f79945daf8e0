// Reading saved games: the largest file the reader accepts, the refusal of a larger one, and
// opening the longest game the history numbers (dealing it and putting every move back).

#include "engine/cGame.h"
#include "history/GameFile.h"
#include "history/GameSession.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace velmora;
namespace fs = std::filesystem;

/// Game 1 with its first column's last card (location 48) sent to free cell 200 and back,
/// again and again: every record a legal move. `maxBytes` bounds the text, `maxRecords` the
/// number of records.
std::string BackAndForth(std::size_t maxBytes, int maxRecords) {
    std::string text = GameFile::Format(1, {});
    for (int i = 0; i < maxRecords; ++i) {
        const bool out = i % 2 == 0;
        const TransRecord r{static_cast<std::int16_t>(out ? 48 : 200),
                            static_cast<std::int16_t>(out ? 200 : 48), 1,
                            static_cast<std::int16_t>(i % 32767 + 1)};
        const std::string line = GameFile::Format(0, std::span(&r, 1)).substr(5);
        // A move out always comes back, so the file ends with the card where it was.
        if (out && text.size() + 2 * line.size() + 2 > maxBytes) {
            break;
        }
        text += line;
    }
    return text;
}

/// A "Vm..." figure of /proc/self/status in kB, or -1.
double StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stod(line.substr(field.size() + 1));
        }
    }
    return -1;
}

/// A file in the temporary folder, removed at the end of the run.
struct TempFile {
    explicit TempFile(const std::string& name, const std::string& text)
        : path(fs::temp_directory_path() /
               ("velmora-bench-" + std::to_string(::getpid()) + "-" + name)) {
        std::ofstream(path, std::ios::binary) << text;
    }
    ~TempFile() { fs::remove(path); }
    fs::path path;
};

void BM_ReadLargestSavedGame(benchmark::State& st) {
    const TempFile file("largest.vlg", BackAndForth(GameFile::MaxFileSize, 1 << 30));
    // Only the reader's memory counts in the peak: the text is not kept here.
    const auto bytes = static_cast<std::int64_t>(fs::file_size(file.path));
    // The peak is counted from here: writing the file above took memory of its own.
    std::ofstream("/proc/self/clear_refs") << "5";
    const double before = StatusKb("VmRSS");
    std::size_t records = 0;
    for (auto _ : st) {
        auto game = GameFile::Read(file.path.string());
        if (!game) {
            st.SkipWithError(game.error().message.c_str());
            return;
        }
        records = game->records.size();
        benchmark::DoNotOptimize(game->records.data());
    }
    st.counters["records"] = static_cast<double>(records);
    st.counters["bytes"] = static_cast<double>(bytes);
    st.counters["peak_kB"] = StatusKb("VmHWM") - before;
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations()) * bytes);
}
BENCHMARK(BM_ReadLargestSavedGame)->Unit(benchmark::kMillisecond);

/// A file of a million records (about 20 MB) is refused before it is read.
void BM_RefuseMillionRecordSavedGame(benchmark::State& st) {
    const TempFile file("million.vlg", BackAndForth(std::size_t{1} << 31, 1'000'000));
    for (auto _ : st) {
        auto game = GameFile::Read(file.path.string());
        if (game) {
            st.SkipWithError("a file over the limit was read");
            return;
        }
    }
    st.counters["bytes"] = static_cast<double>(fs::file_size(file.path));
}
BENCHMARK(BM_RefuseMillionRecordSavedGame)->Unit(benchmark::kMicrosecond);

/// The longest game the history numbers: 32,767 records, read, dealt and put back.
void BM_OpenLongestGame(benchmark::State& st) {
    const TempFile file("longest.vlg", BackAndForth(GameFile::MaxFileSize, 32767 - 1));
    for (auto _ : st) {
        GameSession session;
        std::string name = file.path.string();
        auto kind = session.Trans().OpenFromFile(name);
        if (!kind) {
            st.SkipWithError(kind.error().message.c_str());
            return;
        }
        if (session.Trans().CurrentTrans() != session.Trans().TotalTrans()) {
            st.SkipWithError("not every move was put back");
            return;
        }
        benchmark::DoNotOptimize(session.State().Game().GetCardIndex(48));
        st.counters["records"] = session.Trans().TotalTrans();
    }
}
BENCHMARK(BM_OpenLongestGame)->Unit(benchmark::kMillisecond);

} // namespace
