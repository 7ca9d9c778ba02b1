#pragma once

#include "core/errors/RuntimeError.h"
#include "windows/odbc/ConnectionText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace karusello::dao {

// One diagnostic record of a failed ODBC call.
struct OdbcDiagnostic {
    std::string state; // the SQLSTATE, five characters
    std::int32_t native = 0;
    std::string message; // the driver's text, UTF-8
};

// The program's error number for a driver's diagnostic, from one table of SQLSTATEs and native
// errors; DbGeneric for everything the table does not name.
int ErrorNumberFor(OdbcBackend backend, const OdbcDiagnostic& diagnostic);

// The program's error for a failed call: the number of its first record that is no warning, the
// standard text and the driver's own message behind it.
RuntimeError OdbcError(OdbcBackend backend, const std::vector<OdbcDiagnostic>& diagnostics);

// True when the records say that the driver itself is not installed (so the next one may be).
bool IsDriverMissing(const std::vector<OdbcDiagnostic>& diagnostics);

// True when the records say that the driver does not offer the function called (IM001 from the
// driver manager, HYC00 from the driver): the Access driver has no SQLPrimaryKeys, for example.
bool IsFunctionUnsupported(const std::vector<OdbcDiagnostic>& diagnostics);

} // namespace karusello::dao
