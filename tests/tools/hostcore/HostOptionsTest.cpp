#include "tools/hostcore/HostOptions.h"

#include <gtest/gtest.h>

namespace karusello::hostsim {
namespace {

TEST(HostOptionsTest, ReadsEveryOptionInBothForms) {
    const HostOptions options =
        ParseHostOptions({"--host", "/h", "--create", "--plugin=/b/karusello", "--log", "m.log",
                          "--show=17", "--no-windows", "--skin", "s.skn", "--big", "5000"});
    EXPECT_EQ(options.host, "/h");
    EXPECT_TRUE(options.create);
    EXPECT_EQ(options.plugin, "/b/karusello");
    EXPECT_EQ(options.log, "m.log");
    EXPECT_EQ(options.show, 17);
    EXPECT_FALSE(options.windows);
    EXPECT_EQ(options.skin, "s.skn");
    EXPECT_EQ(options.big, 5000);

    const HostOptions plain = ParseHostOptions({"--host=h"});
    EXPECT_FALSE(plain.create);
    EXPECT_TRUE(plain.windows);
    EXPECT_FALSE(plain.plugin || plain.log || plain.show);
    EXPECT_EQ(ParseHostOptions({"--host", "h", "--show", "-1"}).show, -1);
}

TEST(HostOptionsTest, RefusesUnusableCommandLines) {
    EXPECT_THROW(ParseHostOptions({}), UsageError);
    EXPECT_THROW(ParseHostOptions({"--create"}), UsageError) << "no host folder";
    EXPECT_THROW(ParseHostOptions({"--host"}), UsageError) << "value missing";
    EXPECT_THROW(ParseHostOptions({"--host="}), UsageError) << "empty path";
    EXPECT_THROW(ParseHostOptions({"--host", "h", "--show", "17x"}), UsageError);
    EXPECT_THROW(ParseHostOptions({"--host", "h", "--show", "99999999999"}), UsageError);
    EXPECT_THROW(ParseHostOptions({"--host", "h", "--frobnicate"}), UsageError);
    EXPECT_THROW(ParseHostOptions({"--host", "h", "extra"}), UsageError);
    EXPECT_THROW(ParseHostOptions({"--host", "h", "--create=yes"}), UsageError);
    EXPECT_THROW(ParseHostOptions({"--host", "h", "--big", "10"}), UsageError)
        << "--big without --create";
    EXPECT_THROW(ParseHostOptions({"--host", "h", "--create", "--big", "-3"}), UsageError);
    EXPECT_TRUE(ParseHostOptions({"--help"}).help) << "help needs no host";
}

} // namespace
} // namespace karusello::hostsim
