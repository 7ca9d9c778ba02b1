#include "core/playlistdb/PlaylistRow.h"

#include "core/playlistdb/PlaylistQueries.h"

namespace karusello::dao {

PlaylistRow ReadPlaylistRow(Database& db, std::int32_t playlistId) {
    // Only read here, so the query need not be prepared for writing.
    const std::unique_ptr<Recordset> rs = db.OpenRecordset(NameQuery(playlistId), dbOpenSnapshot);
    PlaylistRow row;
    try {
        row.found = !rs->Eof();
    } catch (...) {
    }
    try {
        row.name = rs->Fields("Name").ToText();
    } catch (...) {
    }
    try {
        row.leaveAlone = rs->Fields("grid").CompareEqual(-1) == 1;
    } catch (...) {
        row.leaveAlone = true;
    }
    try {
        rs->Close();
    } catch (...) {
    }
    return row;
}

} // namespace karusello::dao
