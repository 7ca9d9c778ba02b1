#pragma once

#include "tools/hostcore/Playlist.h"

#include <QWidget>

#include <optional>

class QLabel;
class QListWidget;

namespace karusello::hostsim {

// The host's player window "Brisolan DJ": the playlist on air and the host messages received.
class PlayerWindow : public QWidget {
    Q_OBJECT
public:
    PlayerWindow();

    void ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist);
    void ShowMessage(const QString& line);

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* onAir_ = nullptr;
    QLabel* next_ = nullptr;
    QListWidget* messages_ = nullptr;
};

} // namespace karusello::hostsim
