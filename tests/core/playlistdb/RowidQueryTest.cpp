// The rewrite of a query for its rowid and the bookkeeping of UPDATEs by key, which both drivers
// share; each driver's own answers are tested with the database layer's tests.
#include "core/playlistdb/RowidQuery.h"
#include "core/playlistdb/RowUpdate.h"

#include "HostDatabase.h"

#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

using test::ErrorOf;

// A driver whose table "t" has the ordinary columns given, and whose prepared texts name their
// columns as the test says.
struct FakeDriver {
    using Statement = std::string;

    bool SelectsRowid(const std::string& table, std::string_view name) const {
        EXPECT_EQ(table, "t");
        for (const std::string& column : tableColumns) {
            if (SameSqlName(column, name)) {
                return false;
            }
        }
        return true;
    }
    std::optional<std::string> Prepare(const std::string& sql) {
        prepared.push_back(sql);
        return prepares ? std::optional<std::string>(sql) : std::nullopt;
    }
    std::vector<ColumnOrigin> Origins(const std::string&) const { return origins; }

    std::vector<std::string> tableColumns = {"a", "b"};
    bool prepares = true;
    std::vector<ColumnOrigin> origins = {{"t", ""}, {"t", "a"}, {"t", "b"}};
    std::vector<std::string> prepared;
};

const std::vector<ColumnOrigin> kColumnsOfT = {{"t", "a"}, {"t", "b"}};

TEST(RowidQuery, OnlyAQueryOfTheColumnsOfOneTableCanBeWrittenBackByRowid) {
    EXPECT_EQ(SingleSourceTable(kColumnsOfT), "t");
    EXPECT_EQ(SingleSourceTable({}), std::nullopt);
    // An expression, a column the driver cannot trace (an alias), another table.
    EXPECT_EQ(SingleSourceTable({{"t", "a"}, {"", ""}}), std::nullopt);
    EXPECT_EQ(SingleSourceTable({{"t", "a"}, {"t", ""}}), std::nullopt);
    EXPECT_EQ(SingleSourceTable({{"t", "a"}, {"u", "a"}}), std::nullopt);
}

TEST(RowidQuery, TheHiddenColumnTakesTheFirstRowidNameThatNoColumnShadows) {
    FakeDriver driver;
    auto query = PrepareWithRowid(driver, "select * from t", kColumnsOfT);
    ASSERT_TRUE(query.has_value());
    EXPECT_EQ(query->statement, "select rowid, * from t");
    EXPECT_EQ(query->table, "t");
    EXPECT_EQ(query->rowidName, "rowid");

    driver.tableColumns = {"a", "b", "ROWID"};
    query = PrepareWithRowid(driver, "select * from t", kColumnsOfT);
    ASSERT_TRUE(query.has_value());
    EXPECT_EQ(query->statement, "select _rowid_, * from t");

    driver.tableColumns = {"rowid", "_rowid_", "oid"};
    driver.prepared.clear();
    EXPECT_FALSE(PrepareWithRowid(driver, "select * from t", kColumnsOfT).has_value());
    EXPECT_TRUE(driver.prepared.empty()) << "no name left for the rowid: nothing to prepare";
}

// Whatever the rewritten text turns out to be, the rows stay read-only unless its first column
// is the rowid of the query's own table.
TEST(RowidQuery, ARewrittenTextThatIsNotTheRowidOfTheTableKeepsTheRowsReadOnly) {
    const auto rewritten = [](FakeDriver driver, const std::string& sql) {
        return PrepareWithRowid(driver, sql, kColumnsOfT).has_value();
    };
    FakeDriver fails;
    fails.prepares = false; // DISTINCT, a compound query, a table without rowid
    EXPECT_FALSE(rewritten(fails, "select distinct * from t"));
    FakeDriver joined;
    joined.origins = {{"u", ""}, {"t", "a"}, {"t", "b"}}; // rowid of another table of a join
    EXPECT_FALSE(rewritten(joined, "select * from t join u"));
    FakeDriver counted;
    counted.origins = {{"t", ""}, {"t", "a"}};
    EXPECT_FALSE(rewritten(counted, "select * from t"));
    EXPECT_FALSE(rewritten(FakeDriver{}, "with q as (select * from t) select * from q"));
    EXPECT_TRUE(rewritten(FakeDriver{}, "SELECT a, b FROM t"));
}

TEST(RowUpdate, FieldsGoInColumnOrderAndOneRowMustChange) {
    ChangedFields values = {{4, 7}, {1, std::nullopt}, {2, 9}};
    std::vector<int> fields = {99};
    InColumnOrder(values, fields);
    EXPECT_EQ(fields, (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(values, (ChangedFields{{1, std::nullopt}, {2, 9}, {4, 7}}));

    EXPECT_NO_THROW(RequireOneRowChanged(1));
    EXPECT_EQ(ErrorOf([] { RequireOneRowChanged(0); }).Number(), errnum::DbNoCurrentRecord);
    EXPECT_EQ(ErrorOf([] { RequireOneRowChanged(2); }).Number(), errnum::DbGeneric);
}

TEST(RowUpdate, EachSetOfFieldsIsPreparedOnce) {
    UpdateStatements<std::string> statements;
    int prepared = 0;
    const auto statementFor = [&](const std::vector<int>& fields) -> std::string& {
        return statements.For(fields, [&] { return "update " + std::to_string(++prepared); });
    };
    EXPECT_EQ(statementFor({2}), "update 1");
    EXPECT_EQ(statementFor({2}), "update 1");
    EXPECT_EQ(statementFor({2, 3}), "update 2");
    EXPECT_EQ(statementFor({2}), "update 1");
    EXPECT_EQ(&statementFor({2, 3}), &statementFor({2, 3}));
    EXPECT_EQ(prepared, 2);
}

} // namespace
} // namespace karusello::dao
