#include "tools/hostcore/HostCommand.h"

#include <gtest/gtest.h>

namespace karusello::hostsim {
namespace {

TEST(HostCommandTest, ReadsCommandsWithTheirArguments) {
    EXPECT_EQ(ParseHostCommand("show 17").kind, CommandKind::Show);
    EXPECT_EQ(ParseHostCommand("  show\t-1 \r").nid, -1) << "blanks, tabs and a CR around";
    EXPECT_EQ(ParseHostCommand("order").kind, CommandKind::Order);

    const HostCommand rename = ParseHostCommand("rename 17   Die  neue Show  ");
    EXPECT_EQ(rename.kind, CommandKind::Rename);
    EXPECT_EQ(rename.nid, 17);
    EXPECT_EQ(rename.text, "Die  neue Show") << "blanks inside the name are kept";

    EXPECT_EQ(ParseHostCommand("grid 17 -1").grid, -1);
    EXPECT_EQ(ParseHostCommand("grid 17 0").grid, 0);
    const HostCommand nullGrid = ParseHostCommand("grid 17 null");
    EXPECT_EQ(nullGrid.kind, CommandKind::Grid);
    EXPECT_FALSE(nullGrid.grid.has_value());

    EXPECT_EQ(ParseHostCommand("delete 23").nid, 23);
    const HostCommand add = ParseHostCommand("add 17 3");
    EXPECT_EQ(add.kind, CommandKind::Add);
    EXPECT_EQ(add.count, 3);
    const HostCommand removeLast = ParseHostCommand("remove 17 2");
    EXPECT_EQ(removeLast.count, 2);
    EXPECT_FALSE(removeLast.position.has_value());
    EXPECT_EQ(ParseHostCommand("remove 17 1 0").position, 0);

    EXPECT_EQ(ParseHostCommand("shuffle").kind, CommandKind::Shuffle);
    EXPECT_EQ(ParseHostCommand("handles").kind, CommandKind::Handles);
    EXPECT_FALSE(ParseHostCommand("close").window.has_value());
    EXPECT_EQ(ParseHostCommand("close DJ").window, HostWindow::DJ);
    EXPECT_EQ(ParseHostCommand("close DB").window, HostWindow::DB);
    EXPECT_EQ(ParseHostCommand("screenshot /tmp/a b.png").text, "/tmp/a b.png");
}

TEST(HostCommandTest, RefusesMalformedLines) {
    for (const char* line : {"",
                             "   ",
                             "Show 17",
                             "frob",
                             "show",
                             "show x",
                             "show 17 18",
                             "show 2147483648",
                             "rename 17",
                             "rename 17    ",
                             "rename x Name",
                             "grid 17",
                             "grid 17 yes",
                             "add 17",
                             "add 17 0",
                             "add 17 -2",
                             "remove 17 1 -1",
                             "remove 17 1 x",
                             "order now",
                             "close both",
                             "screenshot",
                             "handles 1"}) {
        EXPECT_THROW(ParseHostCommand(line), CommandError) << '"' << line << '"';
    }
}

} // namespace
} // namespace karusello::hostsim
