#include "core/errors/RuntimeError.h"

#include <gtest/gtest.h>

namespace karusello {
namespace {

TEST(RuntimeError, CarriesNumberTextAndAReadableMessage) {
    RuntimeError overflow(errnum::Overflow);
    EXPECT_EQ(overflow.Number(), 6);
    EXPECT_EQ(overflow.Text(), "Überlauf");
    EXPECT_STREQ(overflow.what(), "Laufzeitfehler 6: Überlauf");

    RuntimeError custom(errnum::DbFileNotFound, "Datei '/x.db' nicht gefunden.");
    EXPECT_EQ(custom.Number(), 3024);
    EXPECT_EQ(custom.Text(), "Datei '/x.db' nicht gefunden.");
}

TEST(RuntimeError, EveryNumberInUseHasAStandardText) {
    for (int n :
         {errnum::InvalidProcedureCall, errnum::Overflow, errnum::OutOfMemory,
          errnum::SubscriptOutOfRange, errnum::InternalError, errnum::TypeMismatch,
          errnum::FileNotFound, errnum::PathFileAccess, errnum::InvalidUseOfNull, errnum::DbGeneric,
          errnum::DbUpdateWithoutEdit, errnum::DbNoCurrentRecord, errnum::DbFileNotFound,
          errnum::DbReadOnly, errnum::DbCannotOpen, errnum::DbSyntax, errnum::DbLocked,
          errnum::DbItemNotFound, errnum::DbUnrecognizedFormat}) {
        EXPECT_FALSE(StandardErrorText(n).empty()) << n;
    }
    EXPECT_TRUE(StandardErrorText(12345).empty());
}

} // namespace
} // namespace karusello
