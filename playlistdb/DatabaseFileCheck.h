#pragma once

#include <string>

namespace karusello::dao {

// Looks at a file before SQLite opens it, so that a missing file is never created and a file of
// another kind (a folder, an empty file, a Microsoft Access database, anything else) is never
// written. Throws DbFileNotFound for a missing file and DbUnrecognizedFormat, saying what was
// found, for a file that is no SQLite database; DbCannotOpen when it cannot be read at all.
void CheckDatabaseFile(const std::string& path);

} // namespace karusello::dao
