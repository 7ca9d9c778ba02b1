#pragma once

#include "tools/hostcore/Playlist.h"

#include <QAbstractTableModel>

namespace karusello::hostsim {

// The entries of the shown playlist for the database window's table, in display order.
class PlaylistModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetEntries(std::vector<PlaylistEntry> entries);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<PlaylistEntry> entries_;
};

} // namespace karusello::hostsim
