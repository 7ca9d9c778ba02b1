#include "tests/support/hostdb/DriverUnderTest.h"

#include "windows/odbc/OdbcDriver.h"

// The way the driver writes its rows: the program's own (by the file), or one named by the
// build for the tests that run the same writes once more with each way.
#ifndef KARUSELLO_TEST_ROW_WRITER
#define KARUSELLO_TEST_ROW_WRITER ByBackend
#endif

namespace karusello::test {

std::shared_ptr<dao::DatabaseDriver> MakeDriverUnderTest() {
    return std::make_shared<dao::OdbcDriver>(dao::RowWriterChoice::KARUSELLO_TEST_ROW_WRITER);
}

bool DriverUnderTestIsOdbc() {
    return true;
}

} // namespace karusello::test
