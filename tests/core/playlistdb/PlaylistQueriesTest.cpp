#include "core/playlistdb/PlaylistQueries.h"

#include <gtest/gtest.h>

#include <limits>

namespace karusello::dao {
namespace {

TEST(PlaylistQueriesTest, TextsCarryTheIdentifierInDecimal) {
    EXPECT_EQ(NameQuery(17), "select * from pl_name where nid=17");
    EXPECT_EQ(CountQuery(17), "select count(*) as anz from pl_all where pnid=17");
    EXPECT_EQ(EntryQuery(17), "select * from pl_all where pnid=17 order by plid asc");

    EXPECT_EQ(NameQuery(-1), "select * from pl_name where nid=-1");
    EXPECT_EQ(CountQuery(-1), "select count(*) as anz from pl_all where pnid=-1");
    EXPECT_EQ(EntryQuery(-1), "select * from pl_all where pnid=-1 order by plid asc");

    EXPECT_EQ(NameQuery(std::numeric_limits<std::int32_t>::min()),
              "select * from pl_name where nid=-2147483648");
    EXPECT_EQ(EntryQuery(2147483647),
              "select * from pl_all where pnid=2147483647 order by plid asc");
    EXPECT_EQ(CountQuery(0), "select count(*) as anz from pl_all where pnid=0");
}

} // namespace
} // namespace karusello::dao
