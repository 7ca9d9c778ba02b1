// The rules of the ODBC row writers that do not need a driver: what a positioned update binds,
// when a failed one may be tried another way, and which unique index is a table's key.
#include "windows/odbc/OdbcTableKey.h"
#include "windows/odbc/PositionedRowWriter.h"

#include <gtest/gtest.h>

#include <cstring>

namespace karusello::dao {
namespace {

template <class T> T As(const BoundValue& value) {
    T number{};
    EXPECT_EQ(value.bytes.size(), sizeof number);
    std::memcpy(&number, value.bytes.data(), sizeof number);
    return number;
}

std::string TextOf(const BoundValue& value) {
    return std::string(value.bytes.data());
}

const std::vector<OdbcColumn> kColumns = {
    {"plid", ColumnKind::Integer, "pl_all"}, {"sid", ColumnKind::Integer, "pl_all"},
    {"title", ColumnKind::Text, "pl_all"},   {"grid", ColumnKind::YesNo, "pl_all"},
    {"dauer", ColumnKind::Number, "pl_all"}, {"notiz", ColumnKind::Text, "pl_all"},
    {"alt", ColumnKind::Integer, "pl_all"},
};
const std::vector<FieldValue> kRow = {
    FieldValue(std::int64_t{7}),
    FieldValue(std::int64_t{10}),
    FieldValue(std::string("Titel")),
    FieldValue(std::int64_t{-1}),
    FieldValue(2.5),
    FieldValue(),
    FieldValue(std::int64_t{3}),
};

// Every column is bound, so that the update does not depend on what a driver does with unbound
// ones; only the changed ones carry a value, every other one is marked to be left alone.
TEST(PositionedBindings, EveryColumnIsBoundAndOnlyTheChangedOnesAreNotIgnored) {
    const std::vector<BoundValue> bound =
        PositionedBindings(OdbcBackend::Sqlite, kColumns, kRow, {{1, 42}, {6, std::nullopt}});
    ASSERT_EQ(bound.size(), kColumns.size());
    EXPECT_EQ(bound[1].cType, SQL_C_SLONG);
    EXPECT_EQ(As<SQLINTEGER>(bound[1]), 42);
    EXPECT_GE(bound[1].indicator, 0);
    EXPECT_EQ(bound[6].indicator, SQL_NULL_DATA);
    for (const std::size_t kept : {0u, 2u, 3u, 4u, 5u}) {
        EXPECT_EQ(bound[kept].indicator, SQL_COLUMN_IGNORE) << kColumns[kept].name;
    }
}

// A driver that disregards the mark writes what the buffers hold: the row's own values, in a
// form that keeps their kind, and a Yes/No field as the driver's own true again.
TEST(PositionedBindings, ColumnsLeftAloneHoldTheRowsValuesAsRead) {
    const std::vector<BoundValue> sqlite =
        PositionedBindings(OdbcBackend::Sqlite, kColumns, kRow, {{1, 42}});
    EXPECT_EQ(sqlite[0].cType, SQL_C_SLONG);
    EXPECT_EQ(As<SQLINTEGER>(sqlite[0]), 7);
    EXPECT_EQ(sqlite[2].cType, SQL_C_CHAR);
    EXPECT_EQ(TextOf(sqlite[2]), "Titel");
    EXPECT_EQ(As<SQLINTEGER>(sqlite[3]), 1);
    EXPECT_EQ(sqlite[4].cType, SQL_C_DOUBLE);
    EXPECT_EQ(As<double>(sqlite[4]), 2.5);
    EXPECT_EQ(sqlite[5].cType, SQL_C_CHAR);
    EXPECT_EQ(TextOf(sqlite[5]), "");

    const std::vector<BoundValue> access =
        PositionedBindings(OdbcBackend::Access, kColumns, kRow, {{1, 42}});
    EXPECT_EQ(access[2].cType, SQL_C_WCHAR);
    EXPECT_EQ(access[2].bytes.size(), 6 * sizeof(char16_t)) << "five characters and a zero";
    EXPECT_EQ(access[2].bytes[0], 'T');
}

TEST(PositionedBindings, OnlyADriversOwnRefusalLetsTheRowBeWrittenAnotherWay) {
    const auto refuses = [](OdbcBackend backend, OdbcDiagnostic record) {
        return RefusesPositionedUpdate(backend, {{"01000", 0, "warning"}, std::move(record)});
    };
    EXPECT_TRUE(refuses(OdbcBackend::Access, {"HYC00", 0, "Optional feature not implemented"}));
    EXPECT_TRUE(refuses(OdbcBackend::Access, {"IM001", 0, "Driver does not support"}));
    EXPECT_TRUE(refuses(OdbcBackend::Sqlite, {"HY000", -1, "incompatible rowset"}));
    // The row itself could not be written: another way would fail alike, or must not try.
    EXPECT_FALSE(refuses(OdbcBackend::Access, {"HY000", -1102, "Could not update; locked"}));
    EXPECT_FALSE(refuses(OdbcBackend::Access, {"HY000", -1, "Jet's own"}));
    EXPECT_FALSE(refuses(OdbcBackend::Sqlite, {"HY000", 5, "database is locked (5)"}));
    EXPECT_FALSE(refuses(OdbcBackend::Sqlite, {"HY000", 19, "constraint failed (19)"}));
}

// SQLStatistics lists the table's own statistics first (no column), then each unique index's
// columns; the key is the first index, in the order of its columns.
TEST(TableKey, TheFirstUniqueIndexInItsColumnsOrderIsTheKey) {
    EXPECT_EQ(FirstIndexColumns(
                  {{"", 0, ""}, {"by_two", 2, "b"}, {"by_two", 1, "a"}, {"by_one", 1, "c"}}),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(FirstIndexColumns({{"", 0, ""}}).empty());
}

} // namespace
} // namespace karusello::dao
