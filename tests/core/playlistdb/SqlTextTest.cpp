#include "core/playlistdb/SqlText.h"

#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

TEST(SqlText, TheLeadingColumnGoesRightBehindALeadingSelectOnly) {
    EXPECT_EQ(WithLeadingColumn("select * from t", "rowid"), "select rowid, * from t");
    EXPECT_EQ(WithLeadingColumn(" \n\tSeLeCt a from t", "oid"), " \n\tSeLeCt oid, a from t");
    EXPECT_EQ(WithLeadingColumn("select\n*", "rowid"), "select rowid,\n*");
    EXPECT_EQ(WithLeadingColumn("select(a) from t", "rowid"), "select rowid,(a) from t");
    EXPECT_EQ(WithLeadingColumn("selected from t", "rowid"), std::nullopt);
    EXPECT_EQ(WithLeadingColumn("select_x from t", "rowid"), std::nullopt);
    EXPECT_EQ(WithLeadingColumn("select", "rowid"), std::nullopt);
    EXPECT_EQ(WithLeadingColumn("with q as (select 1) select * from q", "rowid"), std::nullopt);
    EXPECT_EQ(WithLeadingColumn("", "rowid"), std::nullopt);
}

TEST(SqlText, NamesCompareWithoutAsciiCaseAndQuotesAreDoubled) {
    EXPECT_TRUE(SameSqlName("PlId", "plid"));
    EXPECT_FALSE(SameSqlName("plid", "plid "));
    EXPECT_FALSE(SameSqlName("\xC4", "\xE4")); // only ASCII letters fold
    EXPECT_EQ(Quoted("a\"b", '"'), "\"a\"\"b\"");
    EXPECT_EQ(Quoted("it's", '\''), "'it''s'");
    EXPECT_EQ(UpdateByRowidText("pl \"all\"", {"plid", "sid", "x"}, {2, 1}, "_rowid_"),
              "UPDATE \"pl \"\"all\"\"\" SET \"x\"=?, \"sid\"=? WHERE _rowid_=?");
    EXPECT_EQ(UpdateRowText("`pl_all`", {"`sid`"}, {"`a`", "`b`"}),
              "UPDATE `pl_all` SET `sid`=? WHERE `a`=? AND `b`=?");
}

// The table that a searched UPDATE may write, for a driver that does not name it: only from a
// text that reads the columns of one table as they are.
TEST(SqlText, TheSelectedTableIsNamedOnlyByASelectFromOneTable) {
    EXPECT_EQ(SelectedTable("select * from pl_all where pnid=17 order by plid asc"), "pl_all");
    EXPECT_EQ(SelectedTable("  SELECT sid, plid\nFROM [pl all] ORDER BY plid"), "pl all");
    EXPECT_EQ(SelectedTable("select * from \"a\"\"b\";"), "a\"b");
    EXPECT_EQ(SelectedTable("select * from `pl_all`"), "pl_all");
    EXPECT_EQ(SelectedTable("select \"from\" from t where x = 'from u'"), "t");

    for (const char* other : {
             "select count(*) as anz from pl_all where pnid=17",
             "select * from pl_all, pl_name",
             "select * from pl_all join pl_name on pnid = nid",
             "select * from pl_all a where a.pnid = 1",
             "select distinct sid from pl_all",
             "select * from (select * from pl_all)",
             "select * from pl_all union select * from pl_all",
             "select * from pl_all group by pnid",
             "delete from pl_all",
             "select 1",
             "select * from \"unfinished",
         }) {
        EXPECT_EQ(SelectedTable(other), std::nullopt) << other;
    }
}

} // namespace
} // namespace karusello::dao
