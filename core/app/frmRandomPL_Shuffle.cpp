// Shuffle and restore of the playlist's sort values, and the notification of the host.
#include "core/app/frmRandomPL.h"

#include "core/app/GivenNumbers.h"
#include "core/app/RandomSource.h"
#include "core/config/GlobalValues.h"
#include "core/playlistdb/DBEngine.h"
#include "core/playlistdb/PlaylistQueries.h"

#include <cmath>
#include <limits>

namespace karusello {

namespace {

constexpr std::int32_t kOrderChanged = 1042;
constexpr std::int32_t kShuffled = 211;
constexpr std::int32_t kRestored = 0;
constexpr std::int32_t kSpareValues = 100;

std::int32_t CountEntries(dao::Database& db, std::int32_t playlistId) {
    auto rs = db.OpenRecordset(dao::CountQuery(playlistId), dao::dbOpenSnapshot);
    const std::int32_t count = rs->Fields("anz").ToInt32();
    rs->Close();
    return count;
}

// A value in 0 .. range - 1 from the next random number.
std::int32_t Draw(RandomSource& random, std::int32_t range) {
    const auto b = static_cast<std::int32_t>(std::floor(random.Next() * range));
    return b < range ? b : range - 1;
}

} // namespace

void frmRandomPL::cmdShuffel_Click() {
    if (unloadRequested_) {
        return;
    }
    s_.view.SetMousePointer(vbHourglass);
    s_.view.SetButtonEnabled(Button::Abbruch, false);
    // The name check and the shuffle share one connection: opening the file is a good part of
    // a small playlist's shuffle. The check passes over a failure to open it; the shuffle then
    // tries again and reports it.
    std::unique_ptr<dao::Database> db = OpenDatabaseQuietly();
    // A playlist deleted or turned into a grid playlist since the start gets -1 here.
    ReadPlaylistInfo(db.get());
    ShufflePlaylist(std::move(db));
    s_.view.SetButtonEnabled(Button::Abbruch, true);
    s_.view.SetMousePointer(vbDefault);
}

// Starts keeping the sort values from before the first shuffle of the run: SavedOrder gets
// count + 2 slots of 0 and SavedCount the count. The values themselves are taken from the
// shuffle's own pass over the entries, before each row is written, so the playlist is read
// once. Returns whether this pass keeps them; it does nothing once something is kept.
bool frmRandomPL::SaveOldOrder(std::int32_t count) {
    if (SavedCount >= 1) {
        return false;
    }
    try {
        SavedOrder.emplace(static_cast<std::size_t>(count) + 2, 0);
        SavedNullSlots.assign(SavedOrder->size(), false);
        SavedCount = count;
        return true;
    } catch (...) {
        return false;
    }
}

// Keeps the current row's sort value at its position. An entry without a sort value (null) is
// kept as such, so that a restore does not turn it and the entries after it into zeros. The
// first error ends the keeping silently; the shuffle goes on without a complete copy.
void frmRandomPL::KeepOldSortValue(const dao::Recordset& rs, bool& saving) {
    try {
        const dao::FieldValue sid = rs.Fields("sid");
        const auto position = static_cast<std::size_t>(rs.AbsolutePosition());
        if (position >= SavedOrder->size()) {
            saving = false;
        } else if (sid.IsNull()) {
            SavedNullSlots[position] = true;
        } else {
            (*SavedOrder)[position] = sid.ToInt32();
        }
    } catch (...) {
        saving = false;
    }
}

// Every entry, in ascending plid, gets a new sort value from 0 .. count + 99, none twice. All
// rows are written in one transaction, and the count and the entries are read in it too: a
// failure leaves the playlist exactly as it was. db: open already, or null to open it here.
void frmRandomPL::ShufflePlaylist(std::unique_ptr<dao::Database> db) {
    {
        if (!db) {
            db = dao::SharedDBEngine().OpenDatabase(Globals().DBName);
        }
        dao::Transaction writing(*db);
        const std::int32_t count = CountEntries(*db, PlaylistId);
        bool saving = SaveOldOrder(count);
        if (count > std::numeric_limits<std::int32_t>::max() - kSpareValues) {
            throw RuntimeError(errnum::Overflow);
        }
        const std::int32_t range = count + kSpareValues;
        GivenNumbers given(range);
        auto rs = db->OpenRecordset(dao::EntryQuery(PlaylistId));
        while (!rs->Eof()) {
            if (saving) {
                KeepOldSortValue(*rs, saving);
            }
            if (given.Full()) {
                // More entries than values to give: they cannot all be distinct.
                throw RuntimeError(errnum::SubscriptOutOfRange);
            }
            std::int32_t b = Draw(*random_, range);
            while (given.Contains(b)) {
                b = Draw(*random_, range);
            }
            given.Add(b);
            rs->Edit();
            rs->SetField("sid", b);
            rs->Update();
            rs->MoveNext();
        }
        rs->Close();
        writing.Commit();
        db->Close();
    }
    NotifyHost(kShuffled);
    s_.view.SetButtonEnabled(Button::Weiderherstellen, true);
}

void frmRandomPL::cmdWeiderherstellen_Click() {
    if (unloadRequested_) {
        return;
    }
    s_.view.SetButtonEnabled(Button::Weiderherstellen, false);
    RestorePlaylist();
}

// The k-th entry in ascending plid gets the value the k-th entry had before the first shuffle,
// whichever entry that was. All rows in one transaction, as for the shuffle.
void frmRandomPL::RestorePlaylist() {
    {
        auto db = dao::SharedDBEngine().OpenDatabase(Globals().DBName);
        dao::Transaction writing(*db);
        auto rs = db->OpenRecordset(dao::EntryQuery(PlaylistId));
        while (!rs->Eof()) {
            rs->Edit();
            const auto position = static_cast<std::size_t>(rs->AbsolutePosition());
            if (!SavedOrder || position >= SavedOrder->size()) {
                throw RuntimeError(errnum::SubscriptOutOfRange);
            }
            if (position < SavedNullSlots.size() && SavedNullSlots[position]) {
                rs->SetFieldNull("sid");
            } else {
                rs->SetField("sid", (*SavedOrder)[position]);
            }
            rs->Update();
            rs->MoveNext();
        }
        rs->Close();
        writing.Commit();
        db->Close();
    }
    NotifyHost(kRestored);
}

void frmRandomPL::NotifyHost(std::int32_t kind) {
    dao::SharedDBEngine().Idle(dao::dbRefreshCache);
    {
        struct NotifyingScope {
            int& depth;
            explicit NotifyingScope(int& d) : depth(d) { ++depth; }
            ~NotifyingScope() { --depth; }
        } notifying(notifying_);
        // Clicks and ticks that came in meanwhile run here, in full.
        s_.events.DoEvents();
        Globals().Refresh();
        s_.message.SetTarget(Globals().MessageHandleDB);
        s_.message.SendToTarget(kOrderChanged, kind, 0);
        s_.message.SetTarget(Globals().MessageHandleDJ);
        s_.message.SendToTarget(kOrderChanged, kind, 0);
    }
    if (notifying_ == 0 && unloadRequested_) {
        throw ProgramEnd{ExitCode::Normal};
    }
}

} // namespace karusello
