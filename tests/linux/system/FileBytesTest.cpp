#include "linux/system/FileBytes.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace karusello {
namespace {

using test::TempFolder;

TEST(FileBytes, ReadsEveryByteWhateverSizeTheFileReports) {
    const TempFolder folder;
    const FileBytes empty = ReadFileBytes(folder.Write("empty.ini", ""));
    EXPECT_EQ(empty.status, FileBytes::Status::Read);
    EXPECT_EQ(empty.bytes, "");

    std::string large;
    for (int i = 0; i < 300000; ++i) {
        large.push_back(static_cast<char>(i % 256));
    }
    const FileBytes big = ReadFileBytes(folder.Write("big.ini", large));
    EXPECT_EQ(big.status, FileBytes::Status::Read);
    EXPECT_EQ(big.bytes, large);

    // A regular file that reports a size of 0 but has content: it is read until its real end.
    const FileBytes status = ReadFileBytes("/proc/self/status");
    EXPECT_EQ(status.status, FileBytes::Status::Read);
    EXPECT_NE(status.bytes.find("Name:"), std::string::npos);
    EXPECT_NE(status.bytes.find("nonvoluntary_ctxt_switches:"), std::string::npos)
        << "read to its end";
}

TEST(FileBytes, TellsAMissingFileFromOneThatCannotBeRead) {
    const TempFolder folder;
    EXPECT_EQ(ReadFileBytes(folder / "none.ini").status, FileBytes::Status::Missing);
    EXPECT_EQ(ReadFileBytes(folder / "none/x.ini").status, FileBytes::Status::Missing);
    EXPECT_EQ(ReadFileBytes("").status, FileBytes::Status::Missing);
    EXPECT_EQ(ReadFileBytes(folder.Path().string()).status, FileBytes::Status::Failed);
}

// Reading the same path again sees whatever happened to the file in between.
TEST(FileBytes, EveryReadSeesTheFileAsItIsNow) {
    namespace fs = std::filesystem;
    const TempFolder folder;
    const std::string ini = folder.Write("host.ini", "[A]\r\nk=1\r\n");
    const std::string other = folder.Write("other.ini", "[B]\r\n");
    EXPECT_EQ(ReadFileBytes(ini).bytes, "[A]\r\nk=1\r\n");

    std::ofstream(ini, std::ios::binary | std::ios::in | std::ios::out).write("[C]", 3);
    EXPECT_EQ(ReadFileBytes(ini).bytes, "[C]\r\nk=1\r\n") << "written in place";
    std::ofstream(ini, std::ios::binary | std::ios::app) << "k=22\r\n";
    EXPECT_EQ(ReadFileBytes(ini).bytes, "[C]\r\nk=1\r\nk=22\r\n") << "grown";
    std::ofstream(ini, std::ios::binary | std::ios::trunc) << "[D]";
    EXPECT_EQ(ReadFileBytes(ini).bytes, "[D]") << "shortened";

    EXPECT_EQ(ReadFileBytes(other).bytes, "[B]\r\n");
    EXPECT_EQ(ReadFileBytes(ini).bytes, "[D]") << "two files in turn";

    fs::rename(folder.Write("new.ini", "[E]"), ini);
    EXPECT_EQ(ReadFileBytes(ini).bytes, "[E]") << "replaced by a rename";

    const std::string link = folder / "link.ini";
    fs::create_symlink(ini, link);
    EXPECT_EQ(ReadFileBytes(link).bytes, "[E]");
    fs::remove(link);
    fs::create_symlink(other, link);
    EXPECT_EQ(ReadFileBytes(link).bytes, "[B]\r\n") << "a link turned to another file";

    if (::geteuid() != 0) {
        fs::permissions(ini, fs::perms::none);
        EXPECT_EQ(ReadFileBytes(ini).status, FileBytes::Status::Failed) << "no longer readable";
        fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write);
    }
    EXPECT_EQ(ReadFileBytes(ini).bytes, "[E]");

    fs::remove(ini);
    EXPECT_EQ(ReadFileBytes(ini).status, FileBytes::Status::Missing);
    ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);
    EXPECT_EQ(ReadFileBytes(ini).status, FileBytes::Status::Failed) << "a FIFO, without waiting";
}

} // namespace
} // namespace karusello
