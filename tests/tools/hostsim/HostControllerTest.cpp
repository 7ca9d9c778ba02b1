#include "tools/hostcore/HostController.h"
#include "tools/hostsim/core/HostDatabase.h"

#include "TempHost.h"

#include <gtest/gtest.h>

#include <sstream>

namespace karusello::hostsim {
namespace {

namespace fs = std::filesystem;

// Records what the controller asks of the windows.
class FakeFrontEnd : public HostFrontEnd {
public:
    void ShowPlaylists(const std::vector<PlaylistInfo>& playlists, std::int32_t) override {
        chooserSize = playlists.size();
    }
    void ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist) override {
        shownNid = nid;
        shown = playlist;
        ++shows;
    }
    void ShowMessage(const std::string& line) override { messages.push_back(line); }
    std::optional<WindowHandles> Handles() const override { return handles; }
    bool CloseWindow(HostWindow window) override {
        closed.push_back(window);
        return true;
    }
    void Quit() override { quit = true; }
    void Screenshot(const fs::path& file) override { shot = file; }

    std::size_t chooserSize = 0;
    std::int32_t shownNid = 0;
    std::optional<Playlist> shown;
    int shows = 0;
    std::vector<std::string> messages;
    WindowHandles handles{100, 200};
    std::vector<HostWindow> closed;
    bool quit = false;
    fs::path shot;
};

class FakeStarter : public PluginStarter {
public:
    std::int64_t Start(const fs::path& startedProgram, const std::vector<std::string>& given,
                       const fs::path& workingFolder) override {
        program = startedProgram;
        arguments = given;
        folder = workingFolder;
        return 4242;
    }
    fs::path program;
    std::vector<std::string> arguments;
    fs::path folder;
};

class HostControllerTest : public ::testing::Test {
protected:
    HostControllerTest()
        : database_(host_.Database()), log_(console_, std::nullopt),
          controller_(database_, ui_, starter_, log_, host_.Folder() / "karusello") {}

    std::string Sids(const std::string& orderAnswer) {
        const auto from = orderAnswer.find("sids=") + 5;
        return orderAnswer.substr(from, orderAnswer.find(' ', from) - from);
    }

    test::TempHost host_;
    HostDatabase database_;
    std::ostringstream console_;
    MessageLog log_;
    FakeFrontEnd ui_;
    FakeStarter starter_;
    HostController controller_;
};

TEST_F(HostControllerTest, ShowsTheChosenPlaylistAndAnswersCommands) {
    controller_.Start(std::nullopt);
    EXPECT_EQ(ui_.shownNid, database_.Playlists().front().nid) << "the lowest nid by default";
    controller_.Start(17);
    ASSERT_TRUE(ui_.shown);
    EXPECT_EQ(ui_.shown->info.name, "Morgenshow");
    EXPECT_EQ(ui_.chooserSize, database_.Playlists().size());

    EXPECT_EQ(controller_.Execute("show 23"), "ok nid=23 grid=-1 entries=24 name=Stundenraster");
    EXPECT_EQ(controller_.Execute("show 42").rfind("ok nid=42 grid=null ", 0), 0U);
    EXPECT_EQ(controller_.Execute("show 4711"), "error no playlist 4711");
    EXPECT_EQ(ui_.shownNid, 42) << "a missing playlist is not shown";

    EXPECT_EQ(controller_.Execute("show 31"), "ok nid=31 grid=0 entries=0 name=Neue Playliste");
    EXPECT_EQ(controller_.Execute("order"), "ok nid=31 sids= plids=");
    EXPECT_EQ(controller_.Execute("add 31 2"), "ok entries=2");
    const long long plid = host_.Number("select max(plid) from pl_all");
    EXPECT_EQ(controller_.Execute("order"),
              "ok nid=31 sids=1,2 plids=" + std::to_string(plid - 1) + "," + std::to_string(plid));
    EXPECT_EQ(controller_.Execute("remove 31 1 0"), "ok entries=1");
    EXPECT_EQ(controller_.Execute("order"), "ok nid=31 sids=2 plids=" + std::to_string(plid));

    EXPECT_EQ(controller_.Execute("rename 31 Abendshow"), "ok");
    EXPECT_EQ(ui_.shown->info.name, "Abendshow") << "the window shows the new name";
    EXPECT_EQ(controller_.Execute("grid 31 -1"), "ok");
    EXPECT_EQ(ui_.shown->info.grid, -1);
    EXPECT_EQ(controller_.Execute("delete 31"), "ok");
    EXPECT_FALSE(ui_.shown) << "the deleted playlist stays chosen but is gone";
    EXPECT_EQ(controller_.Execute("order"), "ok nid=31 missing sids= plids=");
    EXPECT_EQ(controller_.Execute("rename 31 x"), "error no playlist 31");

    EXPECT_EQ(controller_.Execute("handles"), "ok DB=100 DJ=200");
    EXPECT_EQ(controller_.Execute("screenshot /tmp/x y.png"), "ok /tmp/x y.png");
    EXPECT_EQ(ui_.shot, "/tmp/x y.png");
    EXPECT_EQ(controller_.Execute("close DJ"), "ok");
    EXPECT_EQ(ui_.closed, std::vector<HostWindow>{HostWindow::DJ});
    EXPECT_FALSE(ui_.quit);
    EXPECT_EQ(controller_.Execute("close"), "ok");
    EXPECT_TRUE(ui_.quit);
    EXPECT_EQ(controller_.Execute("frob").rfind("error ", 0), 0U);
}

TEST_F(HostControllerTest, StartsThePluginWithTheShownPlaylist) {
    controller_.Start(17);
    EXPECT_EQ(controller_.Execute("shuffle"),
              "error no plug-in at " + (host_.Folder() / "karusello").string());
    test::WriteFile(host_.Folder() / "karusello", "");
    EXPECT_EQ(controller_.Execute("shuffle"), "ok pid=4242");
    EXPECT_EQ(starter_.program, host_.Folder() / "karusello");
    EXPECT_EQ(starter_.arguments, std::vector<std::string>{"17"});
    EXPECT_EQ(starter_.folder, host_.Folder()) << "the plug-in runs in the host's folder";
}

TEST_F(HostControllerTest, RecordsEveryMessageAndRereadsOnAChangedPlaylist) {
    controller_.Start(17);
    const std::string before = Sids(controller_.Execute("order"));
    host_.Exec("update pl_all set sid = 1000 - sid where pnid = 17");

    HostMessage other;
    other.window = 100;
    other.values = {7, 1, 2};
    controller_.Receive(other);
    EXPECT_EQ(Sids(controller_.Execute("order")), before) << "only 1042 makes the host re-read";

    HostMessage changed;
    changed.window = 100;
    changed.values = {1042, 211, 0};
    controller_.Receive(changed);
    const std::string after = Sids(controller_.Execute("order"));
    EXPECT_NE(after, before);
    EXPECT_EQ(after.rfind("700,", 0), 0U) << after;
    changed.window = 200;
    controller_.Receive(changed);
    changed.window = 999;
    changed.values = {1042, 0, 0};
    controller_.Receive(changed);

    const std::vector<std::string> expected = {"message window=DB handle=100 values=7,1,2",
                                               "message window=DB handle=100 values=1042,211,0",
                                               "message window=DJ handle=200 values=1042,211,0",
                                               "message window=other handle=999 values=1042,0,0"};
    EXPECT_EQ(ui_.messages, expected);
    std::string logged;
    for (const std::string& line : expected) {
        logged += line + "\n";
    }
    EXPECT_EQ(console_.str(), logged);
}

} // namespace
} // namespace karusello::hostsim
