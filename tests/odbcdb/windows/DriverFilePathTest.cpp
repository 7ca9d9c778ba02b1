// Under Wine the driver gets the file's Unix path; on Windows itself the path as it is.
#include "odbcdb/DriverFilePath.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace karusello::dao {
namespace {

bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST(DriverFilePath, UnderWineTheDriverGetsTheUnixPath) {
    const std::string path = R"(Z:\tmp\karusello\brisolan.mdb)";
    EXPECT_EQ(DriverFilePath(path), UnderWine() ? "/tmp/karusello/brisolan.mdb" : path);
}

} // namespace
} // namespace karusello::dao
