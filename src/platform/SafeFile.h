#pragma once

// Whole-file writes, appends and bounded reads that never lose the old content and never block
// on a special file. Standard library and POSIX only: the Qt-free core writes through it too.

#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora::SafeFile {

/// Why an operation on a file failed.
struct Failure {
    enum class Kind { System, Missing, NotRegular, TooLarge };
    std::string path;
    /// The system's reason, or what is wrong with the file ("it is a folder").
    std::string reason;
    Kind kind = Kind::System;
    bool reading = false;

    /// "The file "PATH" cannot be written: REASON." ("read" for reads).
    std::string Message() const;
};

template <typename T> using Outcome = std::expected<T, Failure>;

/// One version of a file: any replacement or change of the file gives another stamp.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

/// The stamp of `path` (following symlinks); `exists` is false only when nothing is there.
FileStamp StampOf(const std::string& path);

struct ReplaceOptions {
    /// The new file's modification time is made later than this (nanoseconds since the
    /// epoch), so that a reader comparing stamps always sees the change, even within one tick
    /// of the file system's clock.
    std::optional<std::int64_t> modifiedAfterNs;
};

/// Replaces the file at `path` by `bytes`. The bytes go to a new temporary file beside it
/// (a unique name created exclusively, so never an existing file or a symlink), every write is
/// checked, the file is flushed to disk and only then renamed over the old one. On any failure
/// the old file stays and the temporary file is removed. Something at `path` that is not a
/// regular file (a folder, a device, a FIFO) is refused and left alone. A symlink at `path` is
/// followed: the file it names is replaced. An existing file keeps its permissions.
Outcome<void> Replace(const std::string& path, std::string_view bytes,
                      const ReplaceOptions& options = {});

/// Appends `bytes` to the regular file at `path`, creating it when absent. When the file does
/// not end with a line feed, `lineEnd` goes first, so the new text starts a line of its own.
/// Anything but a regular file is refused without blocking (a FIFO). The data is flushed to
/// disk; on any failure the file is cut back to its old length.
Outcome<void> AppendLine(const std::string& path, std::string_view bytes, std::string_view lineEnd);

/// A regular file open for reading, at most `limit` bytes; closed when destroyed.
class InputFile {
public:
    /// Opens `path` without blocking; refuses a missing file, anything but a regular file and
    /// a file larger than `limit`.
    static Outcome<InputFile> Open(const std::string& path, std::size_t limit);

    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    /// Reads up to `buffer.size()` bytes; 0 at the end. Refuses to read past the limit (the
    /// file grew after it was opened).
    Outcome<std::size_t> Read(std::span<char> buffer);
    std::size_t Size() const { return m_size; }

private:
    InputFile(int fd, std::string path, std::size_t size, std::size_t limit);

    int m_fd = -1;
    std::string m_path;
    std::size_t m_size = 0;
    std::size_t m_limit = 0;
    std::size_t m_read = 0;
};

/// The whole content of the regular file at `path`, refused when larger than `limit`.
Outcome<std::string> ReadAll(const std::string& path, std::size_t limit);

} // namespace velmora::SafeFile
