#include "tools/hostsim/PlayerWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace karusello::hostsim {
namespace {

// Enough lines to follow a session; older ones are dropped.
constexpr int keptMessages = 200;

QString EntryText(const PlaylistEntry& entry) {
    return QStringLiteral("%1 - %2 (%3)")
        .arg(QString::fromStdString(entry.artist), QString::fromStdString(entry.title),
             QString::fromStdString(FormatDuration(entry.seconds)));
}

} // namespace

PlayerWindow::PlayerWindow() {
    setWindowTitle(QStringLiteral("Brisolan DJ"));
    auto* layout = new QVBoxLayout(this);
    onAir_ = new QLabel(this);
    QFont font = onAir_->font();
    font.setBold(true);
    onAir_->setFont(font);
    layout->addWidget(onAir_);
    next_ = new QLabel(this);
    layout->addWidget(next_);
    layout->addWidget(new QLabel(QStringLiteral("Empfangene Nachrichten:"), this));
    messages_ = new QListWidget(this);
    layout->addWidget(messages_, 1);
    resize(460, 300);
}

void PlayerWindow::ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist) {
    if (!playlist) {
        onAir_->setText(QStringLiteral("Playliste %1 gibt es nicht").arg(nid));
        next_->clear();
        return;
    }
    onAir_->setText(
        QStringLiteral("Playliste: %1").arg(QString::fromStdString(DisplayName(playlist->info))));
    next_->setText(playlist->entries.empty()
                       ? QStringLiteral("Keine Titel")
                       : QStringLiteral("Als Nächstes: %1").arg(EntryText(playlist->entries[0])));
}

void PlayerWindow::ShowMessage(const QString& line) {
    messages_->addItem(line);
    while (messages_->count() > keptMessages) {
        delete messages_->takeItem(0);
    }
    messages_->scrollToBottom();
}

void PlayerWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Closed();
}

} // namespace karusello::hostsim
