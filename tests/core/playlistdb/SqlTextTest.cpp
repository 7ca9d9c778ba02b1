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
}

} // namespace
} // namespace karusello::dao
