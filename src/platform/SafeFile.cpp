#include "platform/SafeFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::SafeFile {

namespace {

using Kind = Failure::Kind;

std::string Reason(int error) {
    std::string text = std::strerror(error);
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z' && (text.size() < 2 || text[1] > 'Z')) {
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    }
    return text;
}

std::string NotRegular(mode_t mode) {
    return S_ISDIR(mode) ? "it is a folder" : "it is not a regular file";
}

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t MB = 1024 * 1024;
    if (bytes >= MB && bytes % MB == 0) {
        return std::to_string(bytes / MB) + " MB";
    }
    return std::to_string(bytes) + " bytes";
}

std::unexpected<Failure> WriteFailure(const std::string& path, std::string reason,
                                      Kind kind = Kind::System) {
    return std::unexpected(Failure{path, std::move(reason), kind, false});
}

std::unexpected<Failure> ReadFailure(const std::string& path, std::string reason,
                                     Kind kind = Kind::System) {
    return std::unexpected(Failure{path, std::move(reason), kind, true});
}

/// Writes everything; the error number of the first failed write, or 0.
int WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (n == 0) {
            return EIO;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

std::string RandomSuffix() {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Letters - 2);
    std::string suffix(8, 'x');
    for (char& c : suffix) {
        c = Letters[pick(random)];
    }
    return suffix;
}

std::int64_t NowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

std::string Failure::Message() const {
    return "The file \"" + path + "\" cannot be " + (reading ? "read" : "written") + ": " + reason +
           ".";
}

FileStamp StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        // Something that cannot be looked at may still be there.
        return {.exists = errno != ENOENT && errno != ENOTDIR};
    }
    return {true, static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::int64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

Outcome<void> Replace(const std::string& path, std::string_view bytes,
                      const ReplaceOptions& options) {
    std::string target = path;
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode)) {
            return WriteFailure(path, NotRegular(old.st_mode), Kind::NotRegular);
        }
        if (char* real = ::realpath(path.c_str(), nullptr); real != nullptr) {
            target = real;
            std::free(real);
        }
    } else if (errno != ENOENT) {
        return WriteFailure(path, Reason(errno));
    }

    const std::size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    // Room for the suffix within the longest name a folder entry may have.
    const std::string name = target.substr(folder.size()).substr(0, 200);
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + "." + name + "." + RandomSuffix() + ".part";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return WriteFailure(path, Reason(errno));
        }
    }
    if (fd < 0) {
        return WriteFailure(path, "no free name for a temporary file");
    }
    auto abandon = [&](int error) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(temp.c_str());
        return WriteFailure(path, Reason(error));
    };

    if (exists) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    if (const int error = WriteAll(fd, bytes); error != 0) {
        return abandon(error);
    }
    if (options.modifiedAfterNs) {
        const std::int64_t when = std::max(NowNs(), *options.modifiedAfterNs + 1);
        const std::array<timespec, 2> times{timespec{0, UTIME_OMIT},
                                            timespec{static_cast<time_t>(when / 1'000'000'000),
                                                     static_cast<long>(when % 1'000'000'000)}};
        ::futimens(fd, times.data());
    }
    // On disk before it takes the old file's place: after a power loss the name holds the old
    // file or the new one, whole either way.
    if (::fsync(fd) != 0) {
        return abandon(errno);
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) {
        return abandon(errno);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        return abandon(errno);
    }
    return {};
}

Outcome<void> AppendLine(const std::string& path, std::string_view bytes,
                         std::string_view lineEnd) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            return WriteFailure(path, NotRegular(st.st_mode), Kind::NotRegular);
        }
    } else if (errno != ENOENT) {
        return WriteFailure(path, Reason(errno));
    }
    // Non-blocking, so a FIFO put there after the check cannot hold the game.
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        return WriteFailure(path, Reason(errno));
    }
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return WriteFailure(path, Reason(error));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return WriteFailure(path, NotRegular(st.st_mode), Kind::NotRegular);
    }
    const off_t size = st.st_size;
    auto undo = [&](int error) {
        ::ftruncate(fd, size);
        ::close(fd);
        return WriteFailure(path, Reason(error));
    };

    std::string text;
    if (size > 0) {
        char last = 0;
        const ssize_t got = ::pread(fd, &last, 1, size - 1);
        if (got != 1) {
            return undo(got < 0 ? errno : EIO);
        }
        if (last != '\n') {
            text = lineEnd;
        }
    }
    text += bytes;
    if (const int error = WriteAll(fd, text); error != 0) {
        return undo(error);
    }
    if (::fsync(fd) != 0) {
        return undo(errno);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::truncate(path.c_str(), size);
        return WriteFailure(path, Reason(error));
    }
    return {};
}

Outcome<InputFile> InputFile::Open(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) {
            return ReadFailure(path, "it does not exist", Kind::Missing);
        }
        return ReadFailure(path, Reason(errno));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return ReadFailure(path, Reason(error));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadFailure(path, NotRegular(st.st_mode), Kind::NotRegular);
    }
    const auto size = static_cast<std::size_t>(st.st_size);
    if (size > limit) {
        ::close(fd);
        return ReadFailure(path, "it is larger than " + SizeText(limit), Kind::TooLarge);
    }
    return InputFile(fd, path, size, limit);
}

InputFile::InputFile(int fd, std::string path, std::size_t size, std::size_t limit)
    : m_fd(fd), m_path(std::move(path)), m_size(size), m_limit(limit) {}

InputFile::InputFile(InputFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path)), m_size(other.m_size),
      m_limit(other.m_limit), m_read(other.m_read) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
        m_size = other.m_size;
        m_limit = other.m_limit;
        m_read = other.m_read;
    }
    return *this;
}

InputFile::~InputFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

Outcome<std::size_t> InputFile::Read(std::span<char> buffer) {
    // One byte beyond the limit is asked for, to notice a file that grew past it.
    const std::size_t want = std::min(buffer.size(), m_limit - m_read + 1);
    while (true) {
        const ssize_t n = ::read(m_fd, buffer.data(), want);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return ReadFailure(m_path, Reason(errno));
        }
        m_read += static_cast<std::size_t>(n);
        if (m_read > m_limit) {
            return ReadFailure(m_path, "it is larger than " + SizeText(m_limit), Kind::TooLarge);
        }
        return static_cast<std::size_t>(n);
    }
}

Outcome<std::string> ReadAll(const std::string& path, std::size_t limit) {
    auto file = InputFile::Open(path, limit);
    if (!file) {
        return std::unexpected(file.error());
    }
    std::string text;
    text.reserve(file->Size());
    std::array<char, 65536> chunk{};
    while (true) {
        auto n = file->Read(chunk);
        if (!n) {
            return std::unexpected(n.error());
        }
        if (*n == 0) {
            return text;
        }
        text.append(chunk.data(), *n);
    }
}

} // namespace velmora::SafeFile
