#pragma once

#include "tools/hostcore/Playlist.h"
#include "tools/hostsim/PlaylistModel.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace karusello::hostsim {

// The host's database window "Brisolan Datenbank": a playlist chooser, the shown playlist's name
// and its entries in the order of their sort values, the playlist actions and the plug-in's
// menu entry. It only shows and asks; what the actions do is decided elsewhere.
class DatabaseWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DatabaseWindow(const QString& pluginMenuText);

    void ShowPlaylists(const std::vector<PlaylistInfo>& playlists, std::int32_t shownNid);
    void ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist);
    void ShowError(const QString& text);

signals:
    void PlaylistChosen(std::int32_t nid);
    void RenameRequested(std::int32_t nid, const QString& name);
    void GridRequested(std::int32_t nid, std::int32_t grid);
    void DeleteRequested(std::int32_t nid);
    void PluginRequested();
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus(const QString& pluginMenuText);
    QWidget* BuildCentral(const QString& pluginMenuText);
    void AskRename();
    void AskDelete();
    void ChooserActivated(int index);

    PlaylistModel model_;
    QComboBox* chooser_ = nullptr;
    QLabel* name_ = nullptr;
    QTableView* table_ = nullptr;
    QAction* gridAction_ = nullptr;
    std::int32_t shownNid_ = 0;
    std::optional<PlaylistInfo> shownInfo_;
};

} // namespace karusello::hostsim
