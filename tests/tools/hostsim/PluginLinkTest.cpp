#include "tools/hostcore/PluginLink.h"

#include "TempHost.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace karusello::hostsim {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::TempFolder;
using test::WriteFile;

struct FileId {
    dev_t device;
    ino_t inode;
};

FileId IdOf(const fs::path& file) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) {
        return {0, 0};
    }
    return {info.st_dev, info.st_ino};
}

bool SameFile(const fs::path& a, const fs::path& b) {
    return IdOf(a).device == IdOf(b).device && IdOf(a).inode == IdOf(b).inode;
}

class PluginLinkTest : public ::testing::Test {
protected:
    PluginLinkTest() : plugin_(build_.Path() / "karusello"), host_(build_.Path() / "host") {
        WriteFile(plugin_, "#!/bin/sh\n");
        fs::permissions(plugin_, fs::perms::owner_all);
        fs::create_directory(host_);
    }

    TempFolder build_;
    fs::path plugin_;
    fs::path host_;
};

TEST_F(PluginLinkTest, LinksThePluginIntoTheHostFolderAndReplacesStaleCopies) {
    PluginLinkKind kind{};
    const fs::path installed = InstallPlugin(plugin_, host_, &kind);
    EXPECT_EQ(installed, host_ / "karusello");
    EXPECT_EQ(kind, PluginLinkKind::HardLink);
    EXPECT_TRUE(SameFile(installed, plugin_));
    EXPECT_FALSE(fs::is_symlink(installed));

    InstallPlugin(plugin_, host_, &kind);
    EXPECT_EQ(kind, PluginLinkKind::AlreadyThere);

    // The plug-in was rebuilt (a new file): the host folder gets the new one.
    fs::remove(plugin_);
    WriteFile(plugin_, "#!/bin/sh\n# rebuilt\n");
    InstallPlugin(plugin_, host_, &kind);
    EXPECT_EQ(kind, PluginLinkKind::HardLink);
    EXPECT_EQ(ReadText(installed), "#!/bin/sh\n# rebuilt\n");

    // A symbolic link would make the plug-in look for the host in the build folder.
    fs::remove(installed);
    fs::create_symlink(plugin_, installed);
    InstallPlugin(plugin_, host_, &kind);
    EXPECT_FALSE(fs::is_symlink(installed));
    EXPECT_TRUE(SameFile(installed, plugin_));

    EXPECT_THROW(InstallPlugin(build_.Path() / "nothing", host_), fs::filesystem_error);
}

TEST_F(PluginLinkTest, CopiesAcrossFileSystems) {
    const fs::path shm = "/dev/shm";
    if (!fs::is_directory(shm) || IdOf(shm).device == IdOf(build_.Path()).device) {
        GTEST_SKIP() << "no second file system at hand";
    }
    std::string pattern = (shm / "hostsim-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path other = pattern;
    PluginLinkKind kind{};
    const fs::path installed = InstallPlugin(plugin_, other, &kind);
    EXPECT_EQ(kind, PluginLinkKind::Copy);
    EXPECT_EQ(ReadText(installed), ReadText(plugin_));
    EXPECT_NE(fs::status(installed).permissions() & fs::perms::owner_exec, fs::perms::none)
        << "the copy can still be run";
    fs::remove_all(other);
}

} // namespace
} // namespace karusello::hostsim
