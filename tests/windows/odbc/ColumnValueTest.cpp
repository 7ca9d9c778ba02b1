#include "windows/odbc/ColumnValue.h"

#include <gtest/gtest.h>

#include <variant>

namespace karusello::dao {
namespace {

FieldValue From(ColumnKind kind, const char* text) {
    return FieldValueFromText(kind,
                              text != nullptr ? std::optional<std::string>(text) : std::nullopt);
}

template <class T> bool Holds(const FieldValue& value, const T& expected) {
    const T* held = std::get_if<T>(&value.Raw());
    return held != nullptr && *held == expected;
}

TEST(ColumnValue, AYesNoFieldIsMinusOneWhenTrueAsDaoGivesIt) {
    EXPECT_TRUE(Holds(From(ColumnKind::YesNo, "1"), std::int64_t{-1}));
    EXPECT_EQ(From(ColumnKind::YesNo, "1").CompareEqual(-1), 1);
    EXPECT_TRUE(Holds(From(ColumnKind::YesNo, "-1"), std::int64_t{-1}));
    EXPECT_TRUE(Holds(From(ColumnKind::YesNo, "0"), std::int64_t{0}));
    EXPECT_TRUE(Holds(From(ColumnKind::YesNo, "0.0"), std::int64_t{0}));
    EXPECT_TRUE(From(ColumnKind::YesNo, nullptr).IsNull());
    // What is no number stays what it is, and the comparison fails on it as on any text.
    EXPECT_TRUE(Holds(From(ColumnKind::YesNo, "ja"), std::string("ja")));
}

TEST(ColumnValue, OnlyAYesNoFieldTurnsOneIntoMinusOne) {
    EXPECT_TRUE(Holds(From(ColumnKind::Integer, "1"), std::int64_t{1}));
    EXPECT_EQ(From(ColumnKind::Integer, "1").CompareEqual(-1), 0);
    EXPECT_TRUE(Holds(From(ColumnKind::Integer, "-9223372036854775808"),
                      std::int64_t{-9223372036854775807LL - 1}));
    // SQLite lets an integer column hold anything.
    EXPECT_TRUE(Holds(From(ColumnKind::Integer, "30.5"), 30.5));
    EXPECT_TRUE(Holds(From(ColumnKind::Integer, "abc"), std::string("abc")));
    EXPECT_TRUE(Holds(From(ColumnKind::Integer, ""), std::string("")));
    EXPECT_TRUE(Holds(From(ColumnKind::Number, "2.5"), 2.5));
    EXPECT_TRUE(Holds(From(ColumnKind::Number, "inf"), std::string("inf")));
    EXPECT_TRUE(Holds(From(ColumnKind::Text, "17"), std::string("17")));
    EXPECT_TRUE(Holds(From(ColumnKind::Bytes, "H\0i"), std::string("H")));
    EXPECT_TRUE(From(ColumnKind::Text, nullptr).IsNull());
}

TEST(ColumnValue, TheKindFollowsTheOdbcType) {
    EXPECT_EQ(KindOfSqlType(SQL_BIT), ColumnKind::YesNo);
    for (const SQLSMALLINT type : {SQL_TINYINT, SQL_SMALLINT, SQL_INTEGER, SQL_BIGINT}) {
        EXPECT_EQ(KindOfSqlType(type), ColumnKind::Integer) << type;
    }
    for (const SQLSMALLINT type : {SQL_REAL, SQL_FLOAT, SQL_DOUBLE, SQL_NUMERIC, SQL_DECIMAL}) {
        EXPECT_EQ(KindOfSqlType(type), ColumnKind::Number) << type;
    }
    EXPECT_EQ(KindOfSqlType(SQL_LONGVARBINARY), ColumnKind::Bytes);
    EXPECT_EQ(KindOfSqlType(SQL_WVARCHAR), ColumnKind::Text);
    EXPECT_EQ(KindOfSqlType(SQL_TYPE_TIMESTAMP), ColumnKind::Text);
}

} // namespace
} // namespace karusello::dao
