#include "tools/hostsim/QtHostFrontEnd.h"

#include "tools/hostsim/QtX11.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <exception>
#include <stdexcept>

namespace karusello::hostsim {

QtHostFrontEnd::QtHostFrontEnd(const QString& pluginMenuText)
    : database_(std::make_unique<DatabaseWindow>(pluginMenuText)),
      player_(std::make_unique<PlayerWindow>()) {
    connect(database_.get(), &DatabaseWindow::Closed, this, &QtHostFrontEnd::Quit);
    connect(player_.get(), &PlayerWindow::Closed, this, &QtHostFrontEnd::Quit);
}

QtHostFrontEnd::~QtHostFrontEnd() = default;

template <typename Action> void QtHostFrontEnd::Guarded(Action action) {
    try {
        action();
    } catch (const std::exception& error) {
        if (database_) {
            database_->ShowError(QString::fromStdString(error.what()));
        }
    }
}

void QtHostFrontEnd::Connect(HostController& controller) {
    DatabaseWindow* window = database_.get();
    connect(window, &DatabaseWindow::PlaylistChosen, this,
            [this, &controller](std::int32_t nid) { Guarded([&] { controller.Show(nid); }); });
    connect(window, &DatabaseWindow::RenameRequested, this,
            [this, &controller](std::int32_t nid, const QString& name) {
                Guarded([&] { controller.Rename(nid, name.toStdString()); });
            });
    connect(window, &DatabaseWindow::GridRequested, this,
            [this, &controller](std::int32_t nid, std::int32_t grid) {
                Guarded([&] { controller.SetGrid(nid, grid); });
            });
    connect(window, &DatabaseWindow::DeleteRequested, this,
            [this, &controller](std::int32_t nid) { Guarded([&] { controller.Delete(nid); }); });
    connect(window, &DatabaseWindow::PluginRequested, this,
            [this, &controller] { Guarded([&] { controller.StartPlugin(); }); });
}

void QtHostFrontEnd::ShowWindows() {
    // Below the top-left corner, where the plug-in's window opens on a display without a window
    // manager, so that neither covers the other.
    constexpr int left = 10;
    constexpr int top = 180;
    constexpr int gap = 20;
    database_->move(left, top);
    database_->show();
    player_->move(left + database_->frameGeometry().width() + gap, top);
    player_->show();
    // winId() makes sure that the native windows exist before their ids are published.
    database_->winId();
    player_->winId();
    SyncWithServer();
}

void QtHostFrontEnd::DestroyWindows() {
    database_.reset();
    player_.reset();
    SyncWithServer();
}

void QtHostFrontEnd::ShowPlaylists(const std::vector<PlaylistInfo>& playlists,
                                   std::int32_t shownNid) {
    if (database_) {
        database_->ShowPlaylists(playlists, shownNid);
    }
}

void QtHostFrontEnd::ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist) {
    if (database_) {
        database_->ShowPlaylist(nid, playlist);
    }
    if (player_) {
        player_->ShowPlaylist(nid, playlist);
    }
}

void QtHostFrontEnd::ShowMessage(const std::string& line) {
    if (player_) {
        player_->ShowMessage(QString::fromStdString(line));
    }
}

std::optional<WindowHandles> QtHostFrontEnd::Handles() const {
    WindowHandles handles;
    if (database_) {
        handles.db = static_cast<std::uint32_t>(database_->winId());
    }
    if (player_) {
        handles.dj = static_cast<std::uint32_t>(player_->winId());
    }
    return handles;
}

bool QtHostFrontEnd::CloseWindow(HostWindow window) {
    // Destroyed without a close event: closing one window this way does not end the host.
    bool closed = false;
    if (window == HostWindow::DB && database_) {
        database_.reset();
        closed = true;
    }
    if (window == HostWindow::DJ && player_) {
        player_.reset();
        closed = true;
    }
    SyncWithServer();
    return closed;
}

void QtHostFrontEnd::Quit() {
    QCoreApplication::quit();
}

void QtHostFrontEnd::Screenshot(const std::filesystem::path& file) {
    std::vector<QPixmap> shots;
    if (database_) {
        shots.push_back(database_->grab());
    }
    if (player_) {
        shots.push_back(player_->grab());
    }
    if (shots.empty()) {
        throw std::runtime_error("no window to grab");
    }
    constexpr int gap = 10;
    int width = 0;
    int height = 0;
    for (const QPixmap& shot : shots) {
        width += (width == 0 ? 0 : gap) + shot.width();
        height = std::max(height, shot.height());
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QPainter painter(&image);
    int x = 0;
    for (const QPixmap& shot : shots) {
        painter.drawPixmap(x, 0, shot);
        x += shot.width() + gap;
    }
    painter.end();
    if (!image.save(QString::fromStdString(file.string()), "PNG")) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

} // namespace karusello::hostsim
