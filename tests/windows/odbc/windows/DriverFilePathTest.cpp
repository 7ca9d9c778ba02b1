// Under Wine the driver gets the file's Unix path; on Windows itself the path as it is.
#include "windows/odbc/DriverFilePath.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace karusello::dao {
namespace {

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST(DriverFilePath, UnderWineTheDriverGetsTheUnixPath) {
    const karusello::test::TempFolder folder;
    const std::string path = folder.Write("brisolan.mdb", "x");
    const std::string forDriver = DriverFilePath(path);
    if (!UnderWine()) {
        EXPECT_EQ(forDriver, path);
        return;
    }
    ASSERT_FALSE(forDriver.empty());
    EXPECT_EQ(forDriver.front(), '/') << forDriver;
    EXPECT_EQ(forDriver.substr(forDriver.rfind('/')), "/brisolan.mdb");
    // Wine's own file functions take a path that begins with '/' as a Unix path.
    EXPECT_TRUE(std::filesystem::exists(forDriver)) << forDriver;
}

} // namespace
} // namespace karusello::dao
