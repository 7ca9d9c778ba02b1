#include "tools/hostcore/DaoPlaylistStore.h"

#include "core/errors/RuntimeError.h"
#include "core/playlistdb/Database.h"
#include "core/playlistdb/Recordset.h"

#include <memory>
#include <stdexcept>
#include <utility>

namespace karusello::hostsim {
namespace {

std::optional<std::int32_t> OptionalInt(const dao::FieldValue& value) {
    if (value.IsNull()) {
        return std::nullopt;
    }
    return value.ToInt32();
}

PlaylistInfo InfoOf(const dao::Recordset& row) {
    PlaylistInfo info;
    info.nid = row.Fields("nid").ToInt32();
    if (const dao::FieldValue name = row.Fields("Name"); !name.IsNull()) {
        info.name = name.ToText();
    }
    info.grid = OptionalInt(row.Fields("grid"));
    return info;
}

// The columns of pl_all beyond pnid, plid and sid are the host's; a database without one (an
// older or a hand-made one) shows it empty. Which ones there are shows on the first row.
class EntryReader {
public:
    explicit EntryReader(const dao::Recordset& first)
        : artist_(Has(first, "artist")), title_(Has(first, "title")),
          duration_(Has(first, "duration")) {}

    PlaylistEntry Read(const dao::Recordset& row) const {
        PlaylistEntry entry;
        entry.plid = row.Fields("plid").ToInt32();
        entry.sid = OptionalInt(row.Fields("sid"));
        entry.artist = artist_ ? Text(row, "artist") : std::string();
        entry.title = title_ ? Text(row, "title") : std::string();
        entry.seconds = duration_ ? OptionalInt(row.Fields("duration")).value_or(0) : 0;
        return entry;
    }

private:
    static bool Has(const dao::Recordset& row, const std::string& field) {
        try {
            row.Fields(field);
            return true;
        } catch (const RuntimeError& error) {
            if (error.Number() == errnum::DbItemNotFound) {
                return false;
            }
            throw;
        }
    }

    static std::string Text(const dao::Recordset& row, const std::string& field) {
        const dao::FieldValue value = row.Fields(field);
        return value.IsNull() ? std::string() : value.ToText();
    }

    bool artist_;
    bool title_;
    bool duration_;
};

std::runtime_error ReadOnly() {
    return std::runtime_error("the database is read-only here: this host only shows it");
}

} // namespace

DaoPlaylistStore::DaoPlaylistStore(dao::DBEngine& engine, std::string path)
    : engine_(engine), path_(std::move(path)) {}

std::vector<PlaylistInfo> DaoPlaylistStore::Playlists() const {
    const std::unique_ptr<dao::Database> db = engine_.OpenDatabase(path_);
    const auto rows =
        db->OpenRecordset("select nid, Name, grid from pl_name order by nid", dao::dbOpenSnapshot);
    std::vector<PlaylistInfo> playlists;
    for (; !rows->Eof(); rows->MoveNext()) {
        playlists.push_back(InfoOf(*rows));
    }
    return playlists;
}

std::optional<Playlist> DaoPlaylistStore::Read(std::int32_t nid) const {
    const std::unique_ptr<dao::Database> db = engine_.OpenDatabase(path_);
    const std::string id = std::to_string(nid);
    const auto info = db->OpenRecordset("select nid, Name, grid from pl_name where nid = " + id,
                                        dao::dbOpenSnapshot);
    if (info->Eof()) {
        return std::nullopt;
    }
    Playlist playlist;
    playlist.info = InfoOf(*info);
    // The host's display order: ascending sort value, ties by plid, NULL first.
    const auto rows = db->OpenRecordset(
        "select * from pl_all where pnid = " + id + " order by sid, plid", dao::dbOpenSnapshot);
    if (rows->Eof()) {
        return playlist;
    }
    const EntryReader reader(*rows);
    for (; !rows->Eof(); rows->MoveNext()) {
        playlist.entries.push_back(reader.Read(*rows));
    }
    return playlist;
}

void DaoPlaylistStore::Rename(std::int32_t, const std::string&) {
    throw ReadOnly();
}

void DaoPlaylistStore::SetGrid(std::int32_t, std::optional<std::int32_t>) {
    throw ReadOnly();
}

void DaoPlaylistStore::Delete(std::int32_t) {
    throw ReadOnly();
}

std::int32_t DaoPlaylistStore::AddEntries(std::int32_t, std::int32_t) {
    throw ReadOnly();
}

std::int32_t DaoPlaylistStore::RemoveEntries(std::int32_t, std::int32_t,
                                             std::optional<std::int32_t>) {
    throw ReadOnly();
}

} // namespace karusello::hostsim
