// Reading the playlist's name and grid flag.
#include "app/frmRandomPL.h"

#include "config/GlobalValues.h"
#include "playlistdb/DBEngine.h"
#include "playlistdb/PlaylistQueries.h"

namespace karusello {

// Every step runs with errors ignored. Afterwards PlaylistId is either unchanged (the row exists
// and is no grid playlist) or -1; once -1, the name query finds nothing and it stays -1.
void frmRandomPL::ReadPlaylistInfo() {
    std::unique_ptr<dao::Database> db;
    std::unique_ptr<dao::Recordset> rs;
    try {
        db = dao::SharedDBEngine().OpenDatabase(Globals().DBName);
    } catch (...) {
    }
    try {
        if (db) {
            rs = db->OpenRecordset(dao::NameQuery(PlaylistId));
        }
    } catch (...) {
    }
    try {
        if (rs) {
            PlaylistName = rs->Fields("Name").ToText();
        }
    } catch (...) {
    }
    // A grid flag that cannot be compared at all (no database, no row) counts as "leave it
    // alone"; a null flag compares as not equal and leaves the identifier.
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
    try {
        if (db) {
            db->Close();
        }
    } catch (...) {
    }
}

} // namespace karusello
