#pragma once

// Shared by the fuzz targets: a failed property aborts (libFuzzer keeps the input as a crash,
// the corpus replay fails the test), and files go to a scratch folder of this process.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

/// Aborts with a message when a property of the code under test does not hold.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", __FILE__, __LINE__,         \
                         #condition, std::string(what).c_str());                                   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace velmora::fuzz {

/// The scratch folder of this process: on a memory file system when there is one (every input
/// is written once, so syncs to a disk would dominate), removed at exit.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path base = std::filesystem::temp_directory_path();
        std::error_code ec;
        if (std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) {
            base = "/dev/shm";
        }
        auto path = base / ("velmora-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path, ec);
        std::filesystem::create_directories(path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return path;
    }();
    return folder;
}

/// The path of `name` in the scratch folder.
inline std::string ScratchPath(const std::string& name) {
    return (ScratchFolder() / name).string();
}

/// Replaces the file at `path` by `bytes`.
inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good(), "cannot write the scratch file " + path);
}

/// The whole content of the file at `path`; empty when there is none.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// A seed derived from the input, for choices the input does not spell out.
inline std::uint64_t Seed(const std::uint8_t* data, std::size_t size) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i) {
        h = (h ^ data[i]) * 1099511628211ull;
    }
    return h;
}

} // namespace velmora::fuzz
