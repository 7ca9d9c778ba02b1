#include "tests/support/hostdb/DriverUnderTest.h"

#include "windows/odbc/OdbcDriver.h"

namespace karusello::test {

// The ODBC driver with the searched UPDATE of its rows by their table's key, whatever the file.
std::shared_ptr<dao::DatabaseDriver> MakeDriverUnderTest() {
    return std::make_shared<dao::OdbcDriver>(dao::RowWriterChoice::Keyed);
}

bool DriverUnderTestIsOdbc() {
    return true;
}

} // namespace karusello::test
