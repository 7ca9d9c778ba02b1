#include "tools/hostsim/PlayerWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace karusello::hostsim {
namespace {

// Enough lines to follow a session; older ones are dropped.
constexpr int keptMessages = 200;

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
    const ShownPlaylistTexts texts = TextsOfShownPlaylist(nid, playlist);
    onAir_->setText(QString::fromStdString(texts.onAir));
    next_->setText(QString::fromStdString(texts.next));
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
