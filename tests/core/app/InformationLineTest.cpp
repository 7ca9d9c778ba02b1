#include "PlaylistFixture.h"

namespace karusello::test {
namespace {

class InformationLine : public PlaylistFixture {
protected:
    std::string Line(const std::string& name) {
        return "Mit Karusello kann die jeweils angezeigte Playliste neu sortieren.\n"
               "Zur Zeit ist dies die Playliste [ " +
               name + " ] ";
    }
    void Tick() {
        ui.view.log.clear();
        ui.skin.calls.clear();
        ASSERT_EQ(ui.Fire(FormEvent::Timer2), std::nullopt);
    }
};

TEST_F(InformationLine, FollowsARenameWithOneRedraw) {
    StartOn(3);
    Tick();
    EXPECT_TRUE(ui.view.log.empty()) << "an unchanged name touches neither label nor skin";
    EXPECT_TRUE(ui.skin.calls.empty());

    host.RenamePlaylist(17, "Abendshow");
    Tick();
    EXPECT_EQ(ui.view.label, Line("Abendshow"));
    EXPECT_EQ(ui.view.log, (std::vector<std::string>{"redraw 101 off", "label", "redraw 101 on"}));
    EXPECT_EQ(ui.skin.calls, std::vector<std::string>{"redraw 101"});
    EXPECT_EQ(ui.form.ShownPlaylistName, "Abendshow");

    host.RenamePlaylist(17, "ABENDSHOW");
    Tick();
    EXPECT_EQ(ui.view.label, Line("ABENDSHOW")) << "a change of case is a change";
}

TEST_F(InformationLine, PlaceholdersInANameAreFilledButBackslashNStays) {
    StartOn(3);
    host.RenamePlaylist(17, "Hits $2 und $4");
    Tick();
    EXPECT_EQ(ui.view.label, Line("Hits  und "));

    host.RenamePlaylist(17, "Zeile\\nZwei");
    Tick();
    EXPECT_EQ(ui.view.label, Line("Zeile\\nZwei"));
}

// The host may hold its database for a moment (a compact, a repair): a tick that cannot read it
// changes nothing, and the line follows the playlist again once it can.
TEST_F(InformationLine, KeepsItsTextWhileTheDatabaseCannotBeRead) {
    StartOn(3);
    std::filesystem::rename(host.DbPath(), host.Path() / "moved.mdb");
    Tick();
    EXPECT_EQ(ui.view.label, Line("Morgenshow"));
    EXPECT_TRUE(ui.view.log.empty());
    EXPECT_EQ(ui.form.PlaylistId, 17);

    std::filesystem::rename(host.Path() / "moved.mdb", host.DbPath());
    host.RenamePlaylist(17, "Neu");
    Tick();
    EXPECT_EQ(ui.view.label, Line("Neu"));
    EXPECT_EQ(Shuffle(), std::nullopt);
    EXPECT_NE(host.SortValues(17), before);
    EXPECT_EQ(ui.message.sent, Notified(211));
}

// A playlist found deleted or turned into a grid playlist is left alone, and the line says so;
// later ticks change nothing.
TEST_F(InformationLine, SaysWhenThePlaylistIsLeftAlone) {
    StartOn(3);
    ASSERT_EQ(Shuffle(), std::nullopt);
    host.Db().Exec("update pl_name set grid = -1, Name = 'Raster' where nid = 17");
    Tick();
    EXPECT_EQ(ui.form.PlaylistId, -1);
    EXPECT_EQ(ui.view.label, LeftAloneLine("Raster"));
    EXPECT_EQ(ui.view.log,
              (std::vector<std::string>{"disable cmdShuffel", "disable cmdWeiderherstellen",
                                        "redraw 101 off", "label", "redraw 101 on"}));
    EXPECT_EQ(ui.skin.calls, std::vector<std::string>{"redraw 101"});

    host.Db().Exec("update pl_name set grid = 0, Name = 'Wieder da' where nid = 17");
    Tick();
    EXPECT_TRUE(ui.view.log.empty());
    EXPECT_EQ(ui.view.label, LeftAloneLine("Raster"));
}

TEST_F(InformationLine, ANullNameKeepsTheLastName) {
    StartOn(3);
    host.Db().Exec("update pl_name set Name = null where nid = 17");
    Tick();
    EXPECT_EQ(ui.form.PlaylistName, "Morgenshow");
    EXPECT_EQ(ui.form.PlaylistId, 17);
    EXPECT_TRUE(ui.view.log.empty());
}

} // namespace
} // namespace karusello::test
