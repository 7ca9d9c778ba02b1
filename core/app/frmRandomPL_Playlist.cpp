// Reading the playlist's name and grid flag, and leaving a playlist alone that must not be
// touched.
#include "core/app/frmRandomPL.h"

#include "core/config/GlobalValues.h"
#include "core/playlistdb/DBEngine.h"
#include "core/playlistdb/PlaylistRow.h"

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

// A database that cannot be opened or queried gives no answer: the host may hold the file for a
// moment (a compact, a repair), so PlaylistId and PlaylistName stay as they are and false is
// returned. Once the query has run, its answer is definite: a name that cannot be read leaves
// PlaylistName as it is, and PlaylistId becomes -1 for a playlist to leave alone (ReadPlaylistRow);
// once -1, the name query finds nothing and it stays -1. db may be null (it could not be
// opened); it stays open for the caller.
bool frmRandomPL::ReadPlaylistInfo(dao::Database* db) {
    if (!db) {
        return false;
    }
    dao::PlaylistRow row;
    try {
        row = dao::ReadPlaylistRow(*db, PlaylistId);
    } catch (...) {
        return false;
    }
    if (row.name) {
        PlaylistName = *row.name;
    }
    if (row.leaveAlone) {
        PlaylistId = -1;
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
