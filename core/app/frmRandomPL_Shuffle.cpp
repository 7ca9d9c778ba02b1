// Shuffle and restore of the playlist's sort values, and the notification of the host.
#include "core/app/frmRandomPL.h"

#include "core/app/GivenNumbers.h"
#include "core/app/RandomSource.h"
#include "core/config/GlobalValues.h"
#include "core/playlistdb/DBEngine.h"
#include "core/playlistdb/PlaylistQueries.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace karusello {

namespace {

constexpr std::int32_t kOrderChanged = 1042;
constexpr std::int32_t kShuffled = 211;
constexpr std::int32_t kRestored = 0;
constexpr std::int32_t kSpareValues = 100;

// The fields asked for on every row, made once.
const std::string kEntryKey = "plid";
const std::string kSortValue = "sid";

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
    // A playlist deleted or turned into a grid playlist since the start gets -1 here. Nothing is
    // written then, so the host is not told of a change and there is nothing to restore.
    const bool touchable = PlaylistId != -1;
    ReadPlaylistInfo(db.get());
    if (PlaylistId != -1) {
        ShufflePlaylist(std::move(db));
    } else if (touchable) {
        LeavePlaylistAlone();
    }
    s_.view.SetButtonEnabled(Button::Abbruch, true);
    s_.view.SetMousePointer(vbDefault);
}

// Starts keeping the sort values from before the first shuffle of the run, and sets SavedCount
// to the count. The values themselves are taken from the shuffle's own pass over the entries,
// before each row is written, so the playlist is read once. Returns whether this pass keeps
// them; it does nothing once something is kept.
bool frmRandomPL::SaveOldOrder(std::int32_t count) {
    if (SavedCount >= 1) {
        return false;
    }
    SavedOrder.emplace();
    SavedCount = count;
    try {
        SavedOrder->Reserve(static_cast<std::size_t>(std::max(count, 0)));
    } catch (const std::exception&) {
        // Kept without room set aside; each entry's value is kept as far as memory goes.
    }
    return true;
}

// Keeps the current row's sort value under its entry key. An entry whose key or sort value
// cannot be read is not kept, and a restore leaves it as it is then; the other entries are kept.
void frmRandomPL::KeepOldSortValue(const dao::Recordset& rs) {
    try {
        const std::optional<double> key = EntryKeyOf(rs.Fields(kEntryKey));
        const dao::FieldValue sid = rs.Fields(kSortValue);
        if (key) {
            SavedOrder->Keep(*key, sid.IsNull() ? SavedSortValue() : sid.ToInt32());
        }
    } catch (...) {
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
        const std::int32_t count = dao::CountEntries(*db, PlaylistId);
        const bool saving = SaveOldOrder(count);
        if (count > std::numeric_limits<std::int32_t>::max() - kSpareValues) {
            throw RuntimeError(errnum::Overflow);
        }
        const std::int32_t range = count + kSpareValues;
        GivenNumbers given(range);
        auto rs = db->OpenRecordset(dao::EntryQuery(PlaylistId));
        while (!rs->Eof()) {
            if (saving) {
                KeepOldSortValue(*rs);
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
            rs->SetField(kSortValue, b);
            rs->Update();
            rs->MoveNext();
        }
        rs->Close();
        writing.Commit();
        db->Close();
    }
    NotifyHost(kShuffled);
    // A tick at the yield may have found the playlist deleted meanwhile: nothing to restore then.
    if (PlaylistId != -1) {
        s_.view.SetButtonEnabled(Button::Weiderherstellen, true);
    }
}

void frmRandomPL::cmdWeiderherstellen_Click() {
    if (unloadRequested_) {
        return;
    }
    s_.view.SetButtonEnabled(Button::Weiderherstellen, false);
    // A playlist left alone since: nothing is written, and the host is not told.
    if (PlaylistId != -1) {
        RestorePlaylist();
    }
}

// Every entry that was kept gets its own value back, found by its key: entries that the host
// added since the first shuffle keep their current value, and values of entries removed since
// are passed over. All rows in one transaction, as for the shuffle.
void frmRandomPL::RestorePlaylist() {
    {
        const karusello::SavedOrder nothingKept;
        karusello::SavedOrder::Match saved(SavedOrder ? *SavedOrder : nothingKept);
        auto db = dao::SharedDBEngine().OpenDatabase(Globals().DBName);
        dao::Transaction writing(*db);
        auto rs = db->OpenRecordset(dao::EntryQuery(PlaylistId));
        while (!rs->Eof()) {
            if (const auto value = saved.For(EntryKeyOf(rs->Fields(kEntryKey)))) {
                rs->Edit();
                if (*value) {
                    rs->SetField(kSortValue, **value);
                } else {
                    rs->SetFieldNull(kSortValue);
                }
                rs->Update();
            }
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
