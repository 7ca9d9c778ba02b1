#include "core/check/WriteProbe.h"

#include "core/check/ErrorText.h"
#include "core/errors/RuntimeError.h"
#include "core/playlistdb/PlaylistQueries.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace karusello::check {

namespace {

constexpr const char* kItem = "write test";

// The sort values of the playlist's entries in ascending plid; nothing for a null one.
using SortValues = std::vector<std::optional<std::int32_t>>;

SortValues ReadSortValues(dao::Database& db, std::int32_t playlistId) {
    SortValues values;
    const auto rs = db.OpenRecordset(dao::EntryQuery(playlistId), dao::dbOpenSnapshot);
    for (; !rs->Eof(); rs->MoveNext()) {
        const dao::FieldValue sid = rs->Fields("sid");
        values.push_back(sid.IsNull() ? std::nullopt : std::optional(sid.ToInt32()));
    }
    rs->Close();
    return values;
}

// Writes the values row by row, as a shuffle does, through the entry query's recordset. A
// playlist whose entries changed meanwhile is an error: the values would land on other rows.
void WriteSortValues(dao::Database& db, std::int32_t playlistId, const SortValues& values) {
    const auto rs = db.OpenRecordset(dao::EntryQuery(playlistId), dao::dbOpenDynaset);
    std::size_t row = 0;
    for (; !rs->Eof(); rs->MoveNext(), ++row) {
        if (row >= values.size()) {
            break;
        }
        rs->Edit();
        if (values[row]) {
            rs->SetField("sid", *values[row]);
        } else {
            rs->SetFieldNull("sid");
        }
        rs->Update();
    }
    const bool sameRows = row == values.size() && rs->Eof();
    rs->Close();
    if (!sameRows) {
        throw RuntimeError(errnum::DbGeneric, "the playlist's entries changed during the test");
    }
}

// A value for each entry that differs from its own, as a shuffle would give it.
SortValues ProbeValues(const SortValues& old) {
    SortValues probe;
    for (const auto& value : old) {
        if (!value) {
            probe.push_back(0);
        } else if (*value == std::numeric_limits<std::int32_t>::max()) {
            probe.push_back(*value - 1);
        } else {
            probe.push_back(*value + 1);
        }
    }
    return probe;
}

std::string Entries(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " entry" : " entries");
}

// A step of the test: writes the values, reads them back; the problem when they differ.
std::optional<std::string> WriteAndConfirm(dao::Database& db, std::int32_t playlistId,
                                           const SortValues& values, const std::string& what) {
    WriteSortValues(db, playlistId, values);
    if (ReadSortValues(db, playlistId) != values) {
        return "the " + what +
               " were written without an error, but reading them back gives "
               "other values";
    }
    return std::nullopt;
}

CheckItem Failed(const std::string& detail) {
    return Problem(kItem, detail + "; rolled back, nothing committed",
                   "A shuffle at this station would fail the same way: note the text above for "
                   "the developers (docs/windows.md lists what to look at).");
}

// The test inside its transaction, which its end rolls back on every way out; old receives the
// values from before it.
CheckItem WriteInTransaction(dao::Database& db, std::int32_t playlistId, SortValues& old) {
    try {
        const dao::Transaction transaction(db);
        old = ReadSortValues(db, playlistId);
        if (old.empty()) {
            return Problem(kItem, "the playlist has no entries: there is nothing to try",
                           "Give the number of a playlist with entries.");
        }
        std::optional<std::string> problem =
            WriteAndConfirm(db, playlistId, ProbeValues(old), "new values");
        if (!problem) {
            problem = WriteAndConfirm(db, playlistId, old, "old values");
        }
        if (problem) {
            return Failed(*problem);
        }
    } catch (const RuntimeError& error) {
        // The transaction has been rolled back on the way out.
        return Failed(ErrorText(error));
    }
    return Ok(kItem, Entries(old.size()) +
                         " given new sort values and their old ones back, each read back, in one "
                         "transaction; rolled back, nothing committed");
}

} // namespace

CheckItem TryWritePath(dao::Database& db, std::int32_t playlistId) {
    SortValues old;
    const CheckItem result = WriteInTransaction(db, playlistId, old);
    // Whatever happened inside, the playlist must hold its old values now.
    try {
        if (!old.empty() && ReadSortValues(db, playlistId) != old) {
            return Problem(kItem, "after the rollback the sort values differ from those before",
                           "Look at the playlist's order in the host at once and restore it "
                           "from a backup if it changed.");
        }
    } catch (const RuntimeError& error) {
        return Problem(kItem,
                       "after the rollback the sort values cannot be read: " + ErrorText(error),
                       "Look at the playlist's order in the host at once.");
    }
    return result;
}

} // namespace karusello::check
