#pragma once

#include <string>
#include <string_view>

namespace karusello::dao {

// The kinds of database file that the host may keep its playlists in.
enum class DatabaseFormat {
    Sqlite, // "SQLite format 3" with a complete header
    Jet,    // Microsoft Access up to 2003 (.mdb)
    Ace,    // Microsoft Access 2007 and later
};

// Looks at a file before a driver opens it, so that a missing file is never created and a file
// of another kind (a folder, an empty file, anything else) is never written. Throws
// DbFileNotFound for a missing file and DbUnrecognizedFormat, saying what was found, for a file
// that is no database; DbCannotOpen when it cannot be read at all. path is UTF-8.
DatabaseFormat InspectDatabaseFile(const std::string& path);

// The format that the first bytes of a file show (the first 100 bytes suffice); the errors as
// above. path names the file in the error's text.
DatabaseFormat FormatOfHead(std::string_view head, const std::string& path);

// DbUnrecognizedFormat for the file at path, saying what was found there.
[[noreturn]] void ThrowUnrecognizedFormat(const std::string& path, const std::string& found);

} // namespace karusello::dao
