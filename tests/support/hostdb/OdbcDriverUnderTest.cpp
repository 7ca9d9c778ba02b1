#include "tests/support/hostdb/DriverUnderTest.h"

#include "windows/odbc/OdbcDriver.h"

namespace karusello::test {

std::shared_ptr<dao::DatabaseDriver> MakeDriverUnderTest() {
    return std::make_shared<dao::OdbcDriver>();
}

bool DriverUnderTestIsOdbc() {
    return true;
}

} // namespace karusello::test
