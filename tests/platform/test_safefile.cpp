#include "platform/SafeFile.h"

#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// The test binary is linked with fsync and rename wrapped, to see their order and to make a
// flush fail on demand.
namespace {
std::vector<std::string>& Calls() {
    static std::vector<std::string> calls;
    return calls;
}
bool g_failFsync = false;

std::string PathOf(int fd) {
    std::array<char, 4096> buffer{};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), buffer.data(), buffer.size() - 1);
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}
} // namespace

extern "C" {
int __real_fsync(int fd);
int __real_rename(const char* from, const char* to);

int __wrap_fsync(int fd) {
    Calls().push_back("fsync " + PathOf(fd));
    if (g_failFsync) {
        errno = EIO;
        return -1;
    }
    return __real_fsync(fd);
}

int __wrap_rename(const char* from, const char* to) {
    Calls().push_back(std::string("rename ") + to);
    return __real_rename(from, to);
}
}

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using SafeFile::Failure;

using List = std::vector<std::string>;

class SafeFileTest : public ::testing::Test {
protected:
    SafeFileTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                ("velmora-safefile-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        // Canonical, so paths match what /proc reports for open files.
        m_dir = fs::canonical(m_dir);
        Calls().clear();
        g_failFsync = false;
    }
    ~SafeFileTest() override {
        g_failFsync = false;
        fs::remove_all(m_dir);
    }

    std::string File(const std::string& name) const { return (m_dir / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    List Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_dir;
};

TEST_F(SafeFileTest, ReplaceWritesTheWholeFileAndLeavesNothingElse) {
    ASSERT_TRUE(SafeFile::Replace(File("new.vlg"), "fresh\r\n"));
    EXPECT_EQ(Read(File("new.vlg")), "fresh\r\n");

    // An existing file keeps its permissions.
    Write(File("game.vlg"), "old");
    fs::permissions(File("game.vlg"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // A symlink where an older writer put its temporary file is neither followed nor removed.
    Write(File("victim"), "untouched");
    fs::create_symlink(File("victim"), File("game.vlg.part"));
    ASSERT_TRUE(SafeFile::Replace(File("game.vlg"), "new"));
    EXPECT_EQ(Read(File("game.vlg")), "new");
    EXPECT_EQ(fs::status(File("game.vlg")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Read(File("victim")), "untouched");
    EXPECT_TRUE(fs::is_symlink(File("game.vlg.part")));

    // A symlink at the path is followed: the file it names gets the text, the link stays.
    fs::create_symlink(File("victim"), File("link.vlg"));
    ASSERT_TRUE(SafeFile::Replace(File("link.vlg"), "through"));
    EXPECT_TRUE(fs::is_symlink(File("link.vlg")));
    EXPECT_EQ(Read(File("victim")), "through");

    EXPECT_EQ(Names(), (List{"game.vlg", "game.vlg.part", "link.vlg", "new.vlg", "victim"}));
}

TEST_F(SafeFileTest, TheNewFileIsOnDiskBeforeItTakesTheOldOnesPlace) {
    Write(File("a.sre"), "x\r\n");
    ASSERT_TRUE(SafeFile::Replace(File("a.ini"), "[S]\r\n"));
    ASSERT_EQ(Calls().size(), 2u);
    EXPECT_TRUE(Calls()[0].starts_with("fsync " + File(".a.ini.")) && Calls()[0].ends_with(".part"))
        << Calls()[0];
    EXPECT_EQ(Calls()[1], "rename " + File("a.ini"));

    Calls().clear();
    ASSERT_TRUE(SafeFile::AppendLine(File("a.sre"), "y", "\r\n"));
    EXPECT_EQ(Calls(), (List{"fsync " + File("a.sre")}));
}

TEST_F(SafeFileTest, AFailedWriteOrFlushKeepsTheOldFileAndRemovesTheTemporaryOne) {
    Write(File("keep.ini"), "old");
    {
        FileSizeLimit full(10);
        auto written = SafeFile::Replace(File("keep.ini"), std::string(100, 'n'));
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error().Message(),
                  "The file \"" + File("keep.ini") + "\" cannot be written: file too large.");
    }
    EXPECT_EQ(Read(File("keep.ini")), "old");
    EXPECT_EQ(Names(), (List{"keep.ini"}));

    g_failFsync = true;
    auto flushed = SafeFile::Replace(File("keep.ini"), "new");
    ASSERT_FALSE(flushed);
    EXPECT_EQ(flushed.error().reason, "input/output error");
    EXPECT_EQ(Read(File("keep.ini")), "old");
    EXPECT_EQ(Names(), (List{"keep.ini"}));

    EXPECT_FALSE(SafeFile::Replace(File("no/such/folder/x"), "x"));
}

TEST_F(SafeFileTest, OnlyRegularFilesAreReplacedOrAppendedTo) {
    fs::create_directory(File("folder"));
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0600), 0);
    const bool device = ::mknod(File("device").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;

    for (const std::string name : {"folder", "fifo", "device"}) {
        if (name == "device" && !device) {
            continue;
        }
        const fs::file_type type = fs::status(File(name)).type();
        auto replaced = SafeFile::Replace(File(name), "x");
        auto appended = SafeFile::AppendLine(File(name), "x", "\r\n");
        ASSERT_FALSE(replaced) << name;
        ASSERT_FALSE(appended) << name;
        EXPECT_EQ(replaced.error().kind, Failure::Kind::NotRegular);
        EXPECT_EQ(replaced.error().reason,
                  name == "folder" ? "it is a folder" : "it is not a regular file");
        EXPECT_EQ(appended.error().reason, replaced.error().reason);
        EXPECT_EQ(fs::symlink_status(File(name)).type(), type) << name;
    }
    // Reading a FIFO is refused as well, without waiting for a writer.
    auto read = SafeFile::ReadAll(File("fifo"), 100);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().Message(),
              "The file \"" + File("fifo") + "\" cannot be read: it is not a regular file.");
}

TEST_F(SafeFileTest, AppendStartsANewLineAfterAnUnendedLastLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "b\r\n"}, {"a", "a\r\nb\r\n"}, {"a\r\n", "a\r\nb\r\n"}, {"a\n", "a\nb\r\n"}};
    for (const auto& [before, after] : cases) {
        Write(File("s.sre"), before);
        ASSERT_TRUE(SafeFile::AppendLine(File("s.sre"), "b\r\n", "\r\n"));
        EXPECT_EQ(Read(File("s.sre")), after) << before;
    }
    ASSERT_TRUE(SafeFile::AppendLine(File("created.sre"), "c\r\n", "\r\n"));
    EXPECT_EQ(Read(File("created.sre")), "c\r\n");
}

TEST_F(SafeFileTest, AFailedAppendLeavesTheFileAsItWas) {
    Write(File("s.sre"), "a\r\n");
    FileSizeLimit full(8);
    auto appended = SafeFile::AppendLine(File("s.sre"), "0123456789\r\n", "\r\n");
    ASSERT_FALSE(appended);
    EXPECT_EQ(appended.error().reason, "file too large");
    EXPECT_EQ(Read(File("s.sre")), "a\r\n");
}

TEST_F(SafeFileTest, ReadsAreBounded) {
    Write(File("small"), "0123456789");
    EXPECT_EQ(SafeFile::ReadAll(File("small"), 10).value_or("?"), "0123456789");

    auto large = SafeFile::ReadAll(File("small"), 9);
    ASSERT_FALSE(large);
    EXPECT_EQ(large.error().kind, Failure::Kind::TooLarge);
    EXPECT_EQ(large.error().reason, "it is larger than 9 bytes");

    // Refused before anything is read: the sparse file takes no room.
    { std::ofstream sparse(File("sparse")); }
    fs::resize_file(File("sparse"), (std::size_t{1} << 30) + 1);
    auto huge = SafeFile::ReadAll(File("sparse"), std::size_t{1} << 30);
    ASSERT_FALSE(huge);
    EXPECT_EQ(huge.error().reason, "it is larger than 1024 MB");

    // A file that grows past the limit while it is read.
    auto file = SafeFile::InputFile::Open(File("small"), 12);
    ASSERT_TRUE(file);
    Write(File("small"), "0123456789abcdef");
    std::array<char, 4> chunk{};
    SafeFile::Outcome<std::size_t> n;
    while ((n = file->Read(chunk)) && *n > 0) {
    }
    ASSERT_FALSE(n);
    EXPECT_EQ(n.error().kind, Failure::Kind::TooLarge);

    auto missing = SafeFile::ReadAll(File("none"), 10);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, Failure::Kind::Missing);
}

TEST_F(SafeFileTest, AReplacementAlwaysGetsANewStamp) {
    ASSERT_TRUE(SafeFile::Replace(File("s.ini"), "same"));
    const SafeFile::FileStamp first = SafeFile::StampOf(File("s.ini"));
    EXPECT_TRUE(first.exists);
    EXPECT_EQ(first.size, 4);
    EXPECT_FALSE(SafeFile::StampOf(File("none")).exists);

    // Same size, possibly the same inode number and clock tick: the time still moves on.
    const std::int64_t later = first.modifiedNs + 5'000'000'000;
    ASSERT_TRUE(SafeFile::Replace(File("s.ini"), "same", {.modifiedAfterNs = later}));
    EXPECT_EQ(SafeFile::StampOf(File("s.ini")).modifiedNs, later + 1);
}

} // namespace
} // namespace velmora::test
