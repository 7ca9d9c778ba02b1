#include "core/playlistdb/FieldValue.h"

#include "HostDatabase.h"

#include <gtest/gtest.h>

#include <cmath>

namespace karusello::dao {
namespace {

using test::ErrorOf;

FieldValue Int(std::int64_t value) {
    return FieldValue(value);
}
FieldValue Real(double value) {
    return FieldValue(value);
}
FieldValue Text(std::string value) {
    return FieldValue(std::move(value));
}

int ToInt32Error(const FieldValue& value) {
    return ErrorOf([&] { value.ToInt32(); }).Number();
}

TEST(FieldValueTest, ToInt32RoundsHalfToEvenAndChecksTheRange) {
    EXPECT_EQ(Int(42).ToInt32(), 42);
    EXPECT_EQ(Int(-2147483648LL).ToInt32(), -2147483647 - 1);
    EXPECT_EQ(Int(2147483647).ToInt32(), 2147483647);
    EXPECT_EQ(ToInt32Error(Int(2147483648LL)), errnum::Overflow);
    EXPECT_EQ(ToInt32Error(Int(-2147483649LL)), errnum::Overflow);

    EXPECT_EQ(Real(2.5).ToInt32(), 2);
    EXPECT_EQ(Real(3.5).ToInt32(), 4);
    EXPECT_EQ(Real(-2.5).ToInt32(), -2);
    EXPECT_EQ(Real(-3.5).ToInt32(), -4);
    EXPECT_EQ(Real(2.4999).ToInt32(), 2);
    EXPECT_EQ(Real(2.5001).ToInt32(), 3);
    EXPECT_EQ(Real(2147483647.4).ToInt32(), 2147483647);
    EXPECT_EQ(ToInt32Error(Real(2147483647.5)), errnum::Overflow);
    EXPECT_EQ(Real(-2147483648.5).ToInt32(), -2147483647 - 1);
    EXPECT_EQ(ToInt32Error(Real(-2147483649.0)), errnum::Overflow);
    EXPECT_EQ(ToInt32Error(Real(std::nan(""))), errnum::Overflow);
}

TEST(FieldValueTest, ToInt32ReadsTextsThatAreNumbersAndRefusesOthers) {
    EXPECT_EQ(Text("17").ToInt32(), 17);
    EXPECT_EQ(Text("  -4 ").ToInt32(), -4);
    EXPECT_EQ(Text("+6").ToInt32(), 6);
    EXPECT_EQ(Text("2.5").ToInt32(), 2);
    EXPECT_EQ(Text("1e3").ToInt32(), 1000);
    EXPECT_EQ(ToInt32Error(Text("")), errnum::TypeMismatch);
    EXPECT_EQ(ToInt32Error(Text("12abc")), errnum::TypeMismatch);
    EXPECT_EQ(ToInt32Error(Text("1 2")), errnum::TypeMismatch);
    EXPECT_EQ(ToInt32Error(Text("inf")), errnum::TypeMismatch);
    EXPECT_EQ(ToInt32Error(Text("nan")), errnum::TypeMismatch);
    EXPECT_EQ(ToInt32Error(Text("3000000000")), errnum::Overflow);
    EXPECT_EQ(ToInt32Error(Text("1e999")), errnum::Overflow);
}

TEST(FieldValueTest, NullStaysApartFromZeroAndEmptyText) {
    const FieldValue null;
    EXPECT_TRUE(null.IsNull());
    EXPECT_FALSE(Int(0).IsNull());
    EXPECT_FALSE(Text("").IsNull());
    EXPECT_EQ(ToInt32Error(null), errnum::InvalidUseOfNull);
    EXPECT_EQ(ErrorOf([&] { null.ToText(); }).Number(), errnum::InvalidUseOfNull);
    EXPECT_EQ(null.CompareEqual(-1), -1);
    EXPECT_EQ(null.CompareEqual(0), -1);
    EXPECT_EQ(Int(0).ToText(), "0");
    EXPECT_EQ(Text("").ToText(), "");
}

TEST(FieldValueTest, ToTextGivesNumbersInDecimal) {
    EXPECT_EQ(Int(-17).ToText(), "-17");
    EXPECT_EQ(Real(2.5).ToText(), "2.5");
    EXPECT_EQ(Text("Morgenshow").ToText(), "Morgenshow");
}

TEST(FieldValueTest, CompareEqualComparesNumbersAndNumericTexts) {
    EXPECT_EQ(Int(-1).CompareEqual(-1), 1);
    EXPECT_EQ(Int(0).CompareEqual(-1), 0);
    EXPECT_EQ(Int(1).CompareEqual(-1), 0);
    EXPECT_EQ(Real(-1.0).CompareEqual(-1), 1);
    EXPECT_EQ(Real(-0.5).CompareEqual(-1), 0);
    EXPECT_EQ(Int(-1).CompareEqual(-1.5), 0);
    // 2^53 + 1 is no double: an exact comparison must not see it as equal to 2^53.
    EXPECT_EQ(Int(9007199254740993LL).CompareEqual(9007199254740992.0), 0);
    EXPECT_EQ(Int(9223372036854775807LL).CompareEqual(9223372036854775808.0), 0);
    EXPECT_EQ(Text("-1").CompareEqual(-1), 1);
    EXPECT_EQ(Text(" 0 ").CompareEqual(-1), 0);
    EXPECT_EQ(ErrorOf([] { Text("ja").CompareEqual(-1); }).Number(), errnum::TypeMismatch);
}

} // namespace
} // namespace karusello::dao
