#pragma once

// The ODBC headers, included the same way everywhere: on Windows they need the system's types
// first. Only the wide-character (...W) functions are called: Wine's ODBC layer aborts on the
// explicit ANSI names, and the texts stay Unicode on their way to the driver.
#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <string>

namespace karusello::dao {

// A UTF-16 text as ODBC's wide characters (16 bits both in Windows and in unixODBC).
inline SQLWCHAR* SqlChars(std::u16string& text) {
    static_assert(sizeof(SQLWCHAR) == sizeof(char16_t));
    return reinterpret_cast<SQLWCHAR*>(text.data());
}

} // namespace karusello::dao
