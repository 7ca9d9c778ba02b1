// The database: its file, its driver, the queries the plug-in runs and how a shuffle writes.
#include "core/check/CheckSteps.h"

#include "core/check/ErrorText.h"
#include "core/check/WriteProbe.h"
#include "core/config/FileSystemObject.h"
#include "core/errors/RuntimeError.h"
#include "core/playlistdb/DBEngine.h"
#include "core/playlistdb/DatabaseFile.h"
#include "core/playlistdb/PlaylistQueries.h"
#include "core/playlistdb/PlaylistRow.h"

namespace karusello::check {

namespace {

// The number of playlists; not one of the plug-in's own queries, it shows that pl_name is there.
constexpr const char* kPlaylistCountQuery = "select count(*) as anz from pl_name";

std::string KindOf(dao::DatabaseFormat format) {
    switch (format) {
    case dao::DatabaseFormat::Sqlite:
        return "an SQLite 3 database";
    case dao::DatabaseFormat::Jet:
        return "an Access database up to Access 2003 (Jet, .mdb)";
    case dao::DatabaseFormat::Ace:
        return "an Access database from Access 2007 on (ACE)";
    }
    return "a database";
}

std::optional<dao::DatabaseFormat> CheckDatabaseFile(CheckPlatform& platform,
                                                     const std::string& path, CheckReport& report) {
    dao::DatabaseFormat format;
    try {
        format = dao::InspectDatabaseFile(path);
    } catch (const RuntimeError& error) {
        report.Add(Problem("database file", ErrorText(error),
                           "[Global] DBName in brisolan.ini must name the host's playlist "
                           "database."));
        return std::nullopt;
    }
    const std::string detail = path + ": " + KindOf(format) + ", by its header";
    const FileAccess access = platform.Access(path);
    if (!access.writable) {
        report.Add(Problem("database file",
                           detail + ", which cannot be changed" +
                               (access.reason.empty() ? "" : " (" + access.reason + ")"),
                           "A shuffle writes to it: remove the file's write protection and give "
                           "the users the right to change it and to create files in its "
                           "folder (the driver's lock file)."));
    } else {
        report.Add(Ok("database file", detail));
    }
    return format;
}

std::unique_ptr<dao::Database> OpenWithDriver(const std::string& path, dao::DatabaseFormat format,
                                              CheckReport& report) {
    try {
        std::unique_ptr<dao::Database> db = dao::SharedDBEngine().OpenDatabase(path);
        const dao::DriverDescription driver = db->Driver();
        report.Add(Ok("database driver", driver.name + ", version " + driver.version));
        return db;
    } catch (const RuntimeError& error) {
        const bool access = format != dao::DatabaseFormat::Sqlite;
        report.Add(Problem("database driver", "the database cannot be opened: " + ErrorText(error),
                           access ? "Install Microsoft's Access ODBC driver for 32-bit programs "
                                    "(the Microsoft Access Database Engine, 32-bit)."
                                  : "The file may be damaged, or held by another program: see "
                                    "the error."));
        return nullptr;
    }
}

bool CountPlaylists(dao::Database& db, CheckReport& report) {
    try {
        const auto rs = db.OpenRecordset(kPlaylistCountQuery, dao::dbOpenSnapshot);
        const std::int32_t count = rs->Fields("anz").ToInt32();
        rs->Close();
        report.Add(Ok("playlists", std::to_string(count) + " in pl_name"));
        return true;
    } catch (const RuntimeError& error) {
        report.Add(Problem("playlists", "pl_name cannot be read: " + ErrorText(error),
                           "[Global] DBName in brisolan.ini must name the host's playlist "
                           "database."));
        return false;
    }
}

// The name query and the count query for the playlist, judged as the plug-in judges it at its
// start; true when the plug-in would work on it.
bool CheckPlaylist(dao::Database& db, std::int32_t id, CheckReport& report) {
    const std::string item = "playlist " + std::to_string(id);
    try {
        const dao::PlaylistRow row = dao::ReadPlaylistRow(db, id);
        if (!row.found) {
            report.Add(Problem(item, "no such playlist in pl_name",
                               "Give the number (nid) of a playlist that the host shows."));
            return false;
        }
        const std::string name = row.name ? "\"" + *row.name + "\"" : "without a name";
        const std::int32_t count = dao::CountEntries(db, id);
        const std::string entries = std::to_string(count) + (count == 1 ? " entry" : " entries");
        if (row.leaveAlone) {
            const std::string grid =
                ", a grid playlist or one whose grid flag cannot be compared, ";
            report.Add(Problem(item, name + grid + entries + ": the plug-in leaves it alone",
                               "Give the number of a playlist that is no grid playlist."));
            return false;
        }
        report.Add(Ok(item, name + ", no grid playlist, " + entries));
        return true;
    } catch (const RuntimeError& error) {
        report.Add(Problem(item, ErrorText(error),
                           "[Global] DBName in brisolan.ini must name the host's playlist "
                           "database."));
        return false;
    }
}

std::string WriteMethodText(const dao::WritePath& path) {
    switch (path.method) {
    case dao::WriteMethod::Positioned:
        return "positioned update: the driver changes the cursor's current row";
    case dao::WriteMethod::Keyed:
        return "keyed fallback: an UPDATE of pl_all that finds each row by its unique key " +
               path.key;
    case dao::WriteMethod::Rowid:
        return "an UPDATE of pl_all that finds each row by its " + path.key;
    case dao::WriteMethod::None:
        break;
    }
    return "no way to change the rows: neither a positioned update nor a unique key of pl_all";
}

// The entry query as a shuffle runs it, updatable; on no playlist when none was given.
std::optional<dao::WritePath> CheckShuffleWriting(dao::Database& db, std::int32_t id,
                                                  CheckReport& report) {
    constexpr const char* item = "shuffle writes";
    dao::WritePath path;
    try {
        const auto rs = db.OpenRecordset(dao::EntryQuery(id), dao::dbOpenDynaset);
        path = rs->RowWriting();
        rs->Close();
    } catch (const RuntimeError& error) {
        report.Add(Problem(item, "the entry query fails: " + ErrorText(error),
                           "[Global] DBName in brisolan.ini must name the host's playlist "
                           "database."));
        return std::nullopt;
    }
    if (path.method == dao::WriteMethod::None) {
        report.Add(Problem(item, WriteMethodText(path),
                           "Use Microsoft's Access ODBC driver, or give pl_all a primary key."));
        return std::nullopt;
    }
    report.Add(Ok(item, WriteMethodText(path)));
    return path;
}

void CheckWriting(dao::Database& db, const CheckRequest& request, bool usable, bool writable,
                  CheckReport& report) {
    constexpr const char* item = "write test";
    if (!request.playlist) {
        report.Add(Problem(item, "no playlist given",
                           "Start it as karusello --check --write PLAYLIST, PLAYLIST being the "
                           "number of a playlist with entries."));
    } else if (!usable) {
        report.Add(Problem(item, "refused: the plug-in would not touch this playlist (above)",
                           "Give the number of a playlist that is no grid playlist."));
    } else if (!writable) {
        report.Add(Problem(item, "refused: a shuffle has no way to write (above)",
                           "Solve the problem of the item \"shuffle writes\" first."));
    } else {
        report.Add(TryWritePath(db, *request.playlist));
    }
}

} // namespace

void CheckDatabase(CheckPlatform& platform, const std::string& path, const CheckRequest& request,
                   CheckReport& report) {
    if (!SharedFileSystem()->FileExists(path)) {
        return; // the item "database path" has said so
    }
    const std::optional<dao::DatabaseFormat> format = CheckDatabaseFile(platform, path, report);
    if (!format) {
        return;
    }
    const std::unique_ptr<dao::Database> db = OpenWithDriver(path, *format, report);
    if (!db) {
        return;
    }
    if (CountPlaylists(*db, report)) {
        const bool usable = request.playlist && CheckPlaylist(*db, *request.playlist, report);
        const bool writable =
            CheckShuffleWriting(*db, request.playlist.value_or(-1), report).has_value();
        if (request.write) {
            CheckWriting(*db, request, usable, writable, report);
        }
    }
    try {
        db->Close();
    } catch (const RuntimeError&) {
        // Nothing was written that a failing close could lose.
    }
}

} // namespace karusello::check
