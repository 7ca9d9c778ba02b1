#include "tests/support/hostdb/DriverUnderTest.h"

#include "windows/odbc/OdbcDriver.h"

namespace karusello::test {

// The ODBC driver with the positioned update of its rows (and the keyed one where the driver
// refuses that), as on a station, whatever the file.
std::shared_ptr<dao::DatabaseDriver> MakeDriverUnderTest() {
    return std::make_shared<dao::OdbcDriver>(dao::RowWriterChoice::Positioned);
}

bool DriverUnderTestIsOdbc() {
    return true;
}

} // namespace karusello::test
