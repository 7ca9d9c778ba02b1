#include "tests/support/hostdb/DriverUnderTest.h"

#include "linux/sqlite/SqliteDriver.h"

namespace karusello::test {

std::shared_ptr<dao::DatabaseDriver> MakeDriverUnderTest() {
    return std::make_shared<dao::SqliteDriver>();
}

bool DriverUnderTestIsOdbc() {
    return false;
}

} // namespace karusello::test
