#pragma once

#include "core/playlistdb/DatabaseDriver.h"

#include <memory>

namespace karusello::test {

// The database driver that a test program runs against, chosen by the library it links: the
// SQLite driver, or the ODBC driver (writing its rows the program's own way, or positioned, or
// by the table's key).
std::shared_ptr<dao::DatabaseDriver> MakeDriverUnderTest();

// True when that driver is the ODBC one.
bool DriverUnderTestIsOdbc();

} // namespace karusello::test
