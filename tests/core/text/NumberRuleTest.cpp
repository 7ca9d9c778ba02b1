#include "core/text/NumberRule.h"
#include "core/errors/RuntimeError.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace karusello {
namespace {

void ExpectOverflow(double value) {
    try {
        ToInt32(value);
        ADD_FAILURE() << "no overflow for " << value;
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), errnum::Overflow) << value;
    }
}

TEST(LeadingNumber, ReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(LeadingNumber("42"), 42.0);
    EXPECT_EQ(LeadingNumber("4 2"), 42.0);
    EXPECT_EQ(LeadingNumber(" \t-1\n2 . 5 "), -12.5);
    EXPECT_EQ(LeadingNumber("12.7"), 12.7);
    EXPECT_EQ(LeadingNumber("-3x"), -3.0);
    EXPECT_EQ(LeadingNumber("+7"), 7.0);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("5."), 5.0);
    EXPECT_EQ(LeadingNumber("1,5"), 1.0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
    EXPECT_EQ(LeadingNumber("\r5"), 0.0); // a carriage return is no blank
    EXPECT_EQ(LeadingNumber("0x1F"), 0.0);
    EXPECT_EQ(LeadingNumber("inf"), 0.0);
    EXPECT_EQ(LeadingNumber("nan"), 0.0);
    EXPECT_EQ(LeadingNumber("2147483648"), 2147483648.0);
}

TEST(LeadingNumber, ReadsExponents) {
    EXPECT_EQ(LeadingNumber("1e3"), 1000.0);
    EXPECT_EQ(LeadingNumber("1E+3"), 1000.0);
    EXPECT_EQ(LeadingNumber("25e-1"), 2.5);
    EXPECT_EQ(LeadingNumber("1 e 2"), 100.0);
    EXPECT_EQ(LeadingNumber("1e"), 1.0);
    EXPECT_EQ(LeadingNumber("1e+"), 1.0);
    EXPECT_EQ(LeadingNumber("1ex"), 1.0);
    EXPECT_EQ(LeadingNumber("e5"), 0.0);
    EXPECT_EQ(LeadingNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("-1e99999999999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
}

TEST(LeadingNumber, FullStopIsTheSeparatorWhateverTheLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            EXPECT_EQ(LeadingNumber("12.7"), 12.7) << name;
            EXPECT_EQ(LeadingNumber("12,7"), 12.0) << name;
        }
    }
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(LeadingNumber, ReadsHexadecimalAndOctalAsSixteenOrThirtyTwoBits) {
    EXPECT_EQ(LeadingNumber("&HFF"), 255.0);
    EXPECT_EQ(LeadingNumber("&hff"), 255.0);
    EXPECT_EQ(LeadingNumber(" & H 1 0 "), 16.0);
    EXPECT_EQ(LeadingNumber("&H7FFF"), 32767.0);
    EXPECT_EQ(LeadingNumber("&H8000"), -32768.0);
    EXPECT_EQ(LeadingNumber("&HFFFF"), -1.0);
    EXPECT_EQ(LeadingNumber("&H0000FFFF"), -1.0);
    EXPECT_EQ(LeadingNumber("&H10000"), 65536.0);
    EXPECT_EQ(LeadingNumber("&H7FFFFFFF"), 2147483647.0);
    EXPECT_EQ(LeadingNumber("&H80000000"), -2147483648.0);
    EXPECT_EQ(LeadingNumber("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(LeadingNumber("&H1Fz"), 31.0);
    EXPECT_EQ(LeadingNumber("&H"), 0.0);
    EXPECT_EQ(LeadingNumber("&Hxyz"), 0.0);
    EXPECT_EQ(LeadingNumber("&O17"), 15.0);
    EXPECT_EQ(LeadingNumber("&o777"), 511.0);
    EXPECT_EQ(LeadingNumber("&O177777"), -1.0);
    EXPECT_EQ(LeadingNumber("&O200000"), 65536.0);
    EXPECT_EQ(LeadingNumber("&O37777777777"), -1.0);
    EXPECT_EQ(LeadingNumber("&O8"), 0.0);
    EXPECT_EQ(LeadingNumber("&12"), 0.0);
    EXPECT_EQ(LeadingNumber("-&H10"), 0.0);
    EXPECT_EQ(LeadingNumber("1&H10"), 1.0);
    EXPECT_THROW(LeadingNumber("&H100000000"), RuntimeError);
    EXPECT_THROW(LeadingNumber("&O40000000000"), RuntimeError);
    EXPECT_THROW(LeadingNumber("&H" + std::string(1000, 'F')), RuntimeError);
}

TEST(ToInt32, RoundsHalfToEven) {
    EXPECT_EQ(ToInt32(12.5), 12);
    EXPECT_EQ(ToInt32(13.5), 14);
    EXPECT_EQ(ToInt32(0.5), 0);
    EXPECT_EQ(ToInt32(1.5), 2);
    EXPECT_EQ(ToInt32(-0.5), 0);
    EXPECT_EQ(ToInt32(-1.5), -2);
    EXPECT_EQ(ToInt32(-2.5), -2);
    EXPECT_EQ(ToInt32(12.7), 13);
    EXPECT_EQ(ToInt32(12.49999), 12);
    EXPECT_EQ(ToInt32(-12.7), -13);
    EXPECT_EQ(ToInt32(-0.0), 0);
}

TEST(ToInt32, BothEndsOfTheRangeAndOverflow) {
    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(ToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(ToInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(ToInt32(-2147483648.5), -2147483647 - 1); // half goes to the even end
    EXPECT_EQ(ToInt32(2147483646.5), 2147483646);
    ExpectOverflow(2147483647.5);
    ExpectOverflow(2147483648.0);
    ExpectOverflow(-2147483648.6);
    ExpectOverflow(-2147483649.0);
    ExpectOverflow(1e300);
    ExpectOverflow(std::numeric_limits<double>::infinity());
    ExpectOverflow(-std::numeric_limits<double>::infinity());
    ExpectOverflow(std::numeric_limits<double>::quiet_NaN());
}

} // namespace
} // namespace karusello
