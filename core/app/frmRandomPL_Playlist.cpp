// Reading the playlist's name and grid flag, and leaving a playlist alone that must not be
// touched.
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

bool frmRandomPL::ReadPlaylistInfo() {
    std::unique_ptr<dao::Database> db = OpenDatabaseQuietly();
    const bool answered = ReadPlaylistInfo(db.get());
    try {
        if (db) {
            db->Close();
        }
    } catch (...) {
    }
    return answered;
}

// Every step runs with errors ignored. A database that cannot be opened or queried gives no
// answer: the host may hold the file for a moment (a compact, a repair), so PlaylistId and
// PlaylistName stay as they are and false is returned. Once the query has run, its answer is
// definite: PlaylistId becomes -1 when the row is gone, or its grid flag is true or cannot be
// compared; once -1, the name query finds nothing and it stays -1. db may be null (it could not
// be opened); it stays open for the caller.
bool frmRandomPL::ReadPlaylistInfo(dao::Database* db) {
    if (!db) {
        return false;
    }
    std::unique_ptr<dao::Recordset> rs;
    try {
        // Only read here, so the query need not be prepared for writing.
        rs = db->OpenRecordset(dao::NameQuery(PlaylistId), dao::dbOpenSnapshot);
    } catch (...) {
        return false;
    }
    try {
        PlaylistName = rs->Fields("Name").ToText();
    } catch (...) {
    }
    // A grid flag that cannot be compared at all (no row, no such field, a text that is no
    // number) counts like a grid playlist: leave it alone. A null flag compares as not equal and
    // leaves the identifier.
    try {
        if (rs->Fields("grid").CompareEqual(-1) == 1) {
            PlaylistId = -1;
        }
    } catch (...) {
        PlaylistId = -1;
    }
    try {
        rs->Close();
    } catch (...) {
    }
    return true;
}

// The playlist was deleted or became a grid playlist since the start: nothing may be shuffled
// or restored any more, and the information line says why instead of the playlist's name alone.
// Every step that fails is skipped, as on the timer that usually finds it.
void frmRandomPL::LeavePlaylistAlone() {
    for (const Button button : {Button::Shuffel, Button::Weiderherstellen}) {
        try {
            s_.view.SetButtonEnabled(button, false);
        } catch (...) {
        }
    }
    RedrawInformationLine();
}

} // namespace karusello
