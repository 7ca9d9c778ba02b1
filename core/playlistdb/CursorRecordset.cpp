#include "core/playlistdb/CursorRecordset.h"

#include "core/errors/RuntimeError.h"
#include "core/playlistdb/SqlText.h"

#include <algorithm>

namespace karusello::dao {

namespace {

const std::optional<std::int32_t>* Find(const ChangedFields& values, int field) {
    const auto found = std::find_if(values.begin(), values.end(),
                                    [&](const auto& entry) { return entry.first == field; });
    return found != values.end() ? &found->second : nullptr;
}

} // namespace

void ThrowRowDeleted() {
    throw RuntimeError(errnum::DbNoCurrentRecord, StandardErrorText(errnum::DbNoCurrentRecord) +
                                                      " (Die Zeile wurde inzwischen gelöscht.)");
}

void ThrowNoRowid() {
    throw RuntimeError(errnum::DbReadOnly, StandardErrorText(errnum::DbReadOnly) +
                                               " (Die Zeile hat keine Zeilennummer.)");
}

void CursorRecordset::FetchFirstRow() {
    Fetch();
}

void CursorRecordset::Fetch() {
    // A failing driver leaves the recordset at its end.
    eof_ = true;
    eof_ = !FetchRow();
}

void CursorRecordset::RequireOpen() const {
    if (closed_) {
        throw RuntimeError(errnum::DbGeneric, "Die Datensatzgruppe ist geschlossen.");
    }
}

void CursorRecordset::RequireCurrentRow() const {
    RequireOpen();
    if (eof_) {
        throw RuntimeError(errnum::DbNoCurrentRecord);
    }
}

void CursorRecordset::RequireEdit() const {
    RequireCurrentRow();
    if (!editing_) {
        throw RuntimeError(errnum::DbUpdateWithoutEdit);
    }
}

int CursorRecordset::FieldIndex(const std::string& name) const {
    for (const KnownField& known : knownFields_) {
        if (known.index >= 0 && known.name == name) {
            return known.index;
        }
    }
    for (std::size_t field = 0; field < FieldCount(); ++field) {
        if (SameSqlName(FieldName(field), name)) {
            KnownField& known = knownFields_[nextKnownField_];
            nextKnownField_ = (nextKnownField_ + 1) % knownFields_.size();
            known.name = name;
            known.index = static_cast<int>(field);
            return known.index;
        }
    }
    throw RuntimeError(errnum::DbItemNotFound,
                       StandardErrorText(errnum::DbItemNotFound) + " ('" + name + "')");
}

bool CursorRecordset::Eof() const {
    return closed_ || eof_;
}

void CursorRecordset::MoveNext() {
    RequireCurrentRow();
    editing_ = false;
    pending_.clear();
    written_.clear();
    ++position_;
    Fetch();
}

std::int32_t CursorRecordset::AbsolutePosition() const {
    RequireOpen();
    return eof_ ? -1 : position_;
}

FieldValue CursorRecordset::Fields(const std::string& name) const {
    RequireCurrentRow();
    const int field = FieldIndex(name);
    for (const auto* values : {&pending_, &written_}) {
        if (const auto* value = Find(*values, field)) {
            return value->has_value() ? FieldValue(std::int64_t{**value}) : FieldValue();
        }
    }
    return StoredValue(field);
}

std::string CursorRecordset::WhyReadOnly() const {
    return "Die Abfrage liest nicht Zeilen aus genau einer Tabelle.";
}

void CursorRecordset::Edit() {
    RequireCurrentRow();
    if (!Updatable()) {
        throw RuntimeError(errnum::DbReadOnly,
                           StandardErrorText(errnum::DbReadOnly) + " (" + WhyReadOnly() + ")");
    }
    editing_ = true;
    pending_.clear();
}

void CursorRecordset::SetField(const std::string& name, std::int32_t value) {
    SetFieldValue(name, value);
}

void CursorRecordset::SetFieldNull(const std::string& name) {
    SetFieldValue(name, std::nullopt);
}

void CursorRecordset::SetFieldValue(const std::string& name, std::optional<std::int32_t> value) {
    RequireEdit();
    const int field = FieldIndex(name);
    std::erase_if(pending_, [&](const auto& entry) { return entry.first == field; });
    pending_.emplace_back(field, value);
}

void CursorRecordset::Update() {
    RequireEdit();
    if (!pending_.empty()) {
        WriteRow(pending_);
    }
    for (const auto& entry : pending_) {
        std::erase_if(written_, [&](const auto& w) { return w.first == entry.first; });
        written_.push_back(entry);
    }
    pending_.clear();
    editing_ = false;
}

void CursorRecordset::Close() {
    ReleaseCursor();
    closed_ = true;
}

} // namespace karusello::dao
