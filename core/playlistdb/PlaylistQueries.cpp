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

} // namespace karusello::dao
