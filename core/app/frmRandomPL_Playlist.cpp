// Reading the playlist's name and grid flag.
#include "core/app/frmRandomPL.h"

#include "core/config/GlobalValues.h"
#include "core/playlistdb/DBEngine.h"
#include "core/playlistdb/PlaylistQueries.h"

namespace karusello {

// The database, or nothing when it cannot be opened: the name check passes over that failure.
std::unique_ptr<dao::Database> frmRandomPL::OpenDatabaseQuietly() {
    try {
        return dao::SharedDBEngine().OpenDatabase(Globals().DBName);
    } catch (...) {
        return nullptr;
    }
}

void frmRandomPL::ReadPlaylistInfo() {
    std::unique_ptr<dao::Database> db = OpenDatabaseQuietly();
    ReadPlaylistInfo(db.get());
    try {
        if (db) {
            db->Close();
        }
    } catch (...) {
    }
}

// Every step runs with errors ignored. Afterwards PlaylistId is either unchanged (the row exists
// and is no grid playlist) or -1; once -1, the name query finds nothing and it stays -1.
// db may be null (it could not be opened); it stays open for the caller.
void frmRandomPL::ReadPlaylistInfo(dao::Database* db) {
    std::unique_ptr<dao::Recordset> rs;
    try {
        if (db) {
            // Only read here, so the query need not be prepared for writing.
            rs = db->OpenRecordset(dao::NameQuery(PlaylistId), dao::dbOpenSnapshot);
        }
    } catch (...) {
    }
    try {
        if (rs) {
            PlaylistName = rs->Fields("Name").ToText();
        }
    } catch (...) {
    }
    // A grid flag that cannot be compared at all (no database, no row) counts like a grid
    // playlist: leave it alone. A null flag compares as not equal and leaves the identifier.
    try {
        if (!rs || rs->Fields("grid").CompareEqual(-1) == 1) {
            PlaylistId = -1;
        }
    } catch (...) {
        PlaylistId = -1;
    }
    try {
        if (rs) {
            rs->Close();
        }
    } catch (...) {
    }
}

} // namespace karusello
