#include "config/FileBytes.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace karusello
