#include "tools/hostsim/PlaylistModel.h"

#include <array>

namespace karusello::hostsim {
namespace {

enum Column { SortValue, Artist, Title, Duration, Key, ColumnCount };

constexpr std::array<const char*, ColumnCount> headers = {"sid", "Interpret", "Titel", "Dauer",
                                                          "plid"};

QVariant CellText(const PlaylistEntry& entry, int column) {
    switch (column) {
    case SortValue:
        return entry.sid ? QVariant(*entry.sid) : QVariant(QStringLiteral("null"));
    case Artist:
        return QString::fromStdString(entry.artist);
    case Title:
        return QString::fromStdString(entry.title);
    case Duration:
        return QString::fromStdString(FormatDuration(entry.seconds));
    case Key:
        return QVariant::fromValue(static_cast<qlonglong>(entry.plid));
    default:
        return {};
    }
}

} // namespace

void PlaylistModel::SetEntries(std::vector<PlaylistEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int PlaylistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int PlaylistModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= entries_.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return CellText(entries_[static_cast<std::size_t>(index.row())], index.column());
    }
    if (role == Qt::TextAlignmentRole && index.column() != Artist && index.column() != Title) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant PlaylistModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal && section >= 0 && section < ColumnCount) {
        return QString::fromLatin1(headers[static_cast<std::size_t>(section)]);
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return {};
}

} // namespace karusello::hostsim
