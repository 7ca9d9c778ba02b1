#include "tools/hostsim/DatabaseWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace karusello::hostsim {
namespace {} // namespace

DatabaseWindow::DatabaseWindow(const QString& pluginMenuText) {
    setWindowTitle(QStringLiteral("Brisolan Datenbank"));
    BuildMenus(pluginMenuText);
    setCentralWidget(BuildCentral(pluginMenuText));
    resize(640, 480);
}

void DatabaseWindow::BuildMenus(const QString& pluginMenuText) {
    QMenu* playlist = menuBar()->addMenu(QStringLiteral("&Playliste"));
    playlist->addAction(QStringLiteral("&Umbenennen..."), this, &DatabaseWindow::AskRename);
    gridAction_ = playlist->addAction(QStringLiteral("&Grid-Playliste"));
    gridAction_->setCheckable(true);
    connect(gridAction_, &QAction::triggered, this,
            [this](bool checked) { emit GridRequested(shownNid_, checked ? gridYes : gridNo); });
    playlist->addAction(QStringLiteral("&Löschen"), this, &DatabaseWindow::AskDelete);
    playlist->addSeparator();
    playlist->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);

    QMenu* plugins = menuBar()->addMenu(QStringLiteral("Plug-&ins"));
    plugins->addAction(pluginMenuText, this, &DatabaseWindow::PluginRequested);
}

QWidget* DatabaseWindow::BuildCentral(const QString& pluginMenuText) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Playliste:"), central));
    chooser_ = new QComboBox(central);
    chooser_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(chooser_, &QComboBox::activated, this, &DatabaseWindow::ChooserActivated);
    top->addWidget(chooser_, 1);
    auto* shuffle = new QPushButton(pluginMenuText, central);
    shuffle->setObjectName(QStringLiteral("pluginButton"));
    connect(shuffle, &QPushButton::clicked, this, &DatabaseWindow::PluginRequested);
    top->addWidget(shuffle);
    layout->addLayout(top);

    name_ = new QLabel(central);
    QFont font = name_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    name_->setFont(font);
    layout->addWidget(name_);

    table_ = new QTableView(central);
    table_->setModel(&model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Artist and title share the room that is left.
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    layout->addWidget(table_, 1);
    return central;
}

void DatabaseWindow::ShowPlaylists(const std::vector<PlaylistInfo>& playlists,
                                   std::int32_t shownNid) {
    chooser_->clear();
    for (const PlaylistInfo& info : playlists) {
        chooser_->addItem(QString::fromStdString(ChooserText(info)), info.nid);
    }
    chooser_->setCurrentIndex(chooser_->findData(shownNid));
}

void DatabaseWindow::ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist) {
    shownNid_ = nid;
    name_->setText(QString::fromStdString(TextsOfShownPlaylist(nid, playlist).headline));
    if (!playlist) {
        shownInfo_.reset();
        model_.SetEntries({});
        gridAction_->setChecked(false);
        return;
    }
    shownInfo_ = playlist->info;
    gridAction_->setChecked(IsGrid(playlist->info));
    model_.SetEntries(playlist->entries);
}

void DatabaseWindow::ShowError(const QString& text) {
    statusBar()->showMessage(text, 10000);
}

void DatabaseWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Closed();
}

void DatabaseWindow::AskRename() {
    if (!shownInfo_) {
        return;
    }
    bool ok = false;
    const QString name = QInputDialog::getText(
        this, QStringLiteral("Playliste umbenennen"), QStringLiteral("Neuer Name:"),
        QLineEdit::Normal, QString::fromStdString(shownInfo_->name.value_or("")), &ok);
    if (ok) {
        emit RenameRequested(shownNid_, name);
    }
}

void DatabaseWindow::AskDelete() {
    if (!shownInfo_) {
        return;
    }
    const auto answer =
        QMessageBox::question(this, QStringLiteral("Playliste löschen"),
                              QStringLiteral("Playliste \"%1\" mit allen Einträgen löschen?")
                                  .arg(QString::fromStdString(DisplayName(*shownInfo_))));
    if (answer == QMessageBox::Yes) {
        emit DeleteRequested(shownNid_);
    }
}

void DatabaseWindow::ChooserActivated(int index) {
    if (index >= 0) {
        emit PlaylistChosen(chooser_->itemData(index).toInt());
    }
}

} // namespace karusello::hostsim
