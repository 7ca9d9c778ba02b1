#include "core/playlistdb/PlaylistQueries.h"

namespace karusello::dao {

std::string NameQuery(std::int32_t playlistId) {
    return "select * from pl_name where nid=" + std::to_string(playlistId);
}

std::string CountQuery(std::int32_t playlistId) {
    return "select count(*) as anz from pl_all where pnid=" + std::to_string(playlistId);
}

std::string EntryQuery(std::int32_t playlistId) {
    return "select * from pl_all where pnid=" + std::to_string(playlistId) + " order by plid asc";
}

std::int32_t CountEntries(Database& db, std::int32_t playlistId) {
    const auto rs = db.OpenRecordset(CountQuery(playlistId), dbOpenSnapshot);
    const std::int32_t count = rs->Fields("anz").ToInt32();
    rs->Close();
    return count;
}

} // namespace karusello::dao
