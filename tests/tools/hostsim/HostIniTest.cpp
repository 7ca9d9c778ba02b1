#include "tools/hostcore/HostIni.h"

#include "TempHost.h"

#include <gtest/gtest.h>

namespace karusello::hostsim {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteFile;

TEST(HostIniTest, PublishesAndWithdrawsOnlyItsOwnHandles) {
    const TempFolder folder;
    const auto ini = folder.Path() / "brisolan.ini";
    const std::string others = "; host settings\r\n[Global]\r\nDBName=x.mdb\r\n\r\n[Message]\r\n"
                               "Handle.Sam=77\r\n\r\n[PLUGIN]\r\nkarusello=karusello\r\n";
    WriteFile(ini, others);
    HostIni host(folder.Path());

    host.PublishHandles({4194311, 4194320});
    const std::string published = ReadText(ini);
    EXPECT_NE(published.find("Handle.DB=4194311\r\n"), std::string::npos) << published;
    EXPECT_NE(published.find("Handle.DJ=4194320\r\n"), std::string::npos) << published;
    EXPECT_EQ(host.ReadHandles().db, 4194311U);
    EXPECT_EQ(host.ReadHandles().dj, 4194320U);

    host.WithdrawHandles({4194311, 4194320});
    EXPECT_EQ(ReadText(ini).find("Handle.D"), std::string::npos);
    EXPECT_NE(ReadText(ini).find("; host settings\r\n[Global]\r\nDBName=x.mdb\r\n"),
              std::string::npos)
        << "the rest of the file is kept";
    EXPECT_NE(ReadText(ini).find("Handle.Sam=77\r\n"), std::string::npos);
    EXPECT_NE(ReadText(ini).find("[PLUGIN]\r\nkarusello=karusello\r\n"), std::string::npos);

    // Another host has published its windows meanwhile: withdrawing leaves them.
    host.PublishHandles({11, 12});
    HostIni(folder.Path()).PublishHandles({21, 12});
    host.WithdrawHandles({11, 12});
    EXPECT_EQ(host.ReadHandles().db, 21U);
    EXPECT_EQ(host.ReadHandles().dj, 0U);
}

TEST(HostIniTest, FailsLoudlyWhenTheHandlesCannotBeWritten) {
    const TempFolder folder;
    HostIni host(folder.Path() / "missing-folder");
    EXPECT_THROW(host.PublishHandles({5, 6}), std::runtime_error);
}

TEST(HostIniTest, ReadsThePluginMenuTextAndTheDatabasePath) {
    const TempFolder folder;
    HostIni host(folder.Path());
    EXPECT_EQ(host.PluginMenuText("karusello"), "Shuffle Playlist") << "no INI file yet";
    EXPECT_EQ(host.DatabasePath(), folder.Path() / "brisolan.mdb");

    const auto other = folder.Path() / "elsewhere.mdb";
    WriteFile(other, "");
    WriteFile(host.Path(), "[PLUGIN_Menu]\r\nkarusello=Playliste mischen\r\nkopie=\r\n"
                           "[Global]\r\nDBName=" +
                               other.string() + "\r\n");
    EXPECT_EQ(host.PluginMenuText("karusello"), "Playliste mischen");
    EXPECT_EQ(host.PluginMenuText("kopie"), "Shuffle Playlist") << "an empty text";
    EXPECT_EQ(host.DatabasePath(), other);

    WriteFile(host.Path(), "[Global]\r\nDBName=" + (folder.Path() / "gone.mdb").string() + "\r\n");
    EXPECT_EQ(host.DatabasePath(), folder.Path() / "brisolan.mdb") << "a missing file";
}

} // namespace
} // namespace karusello::hostsim
