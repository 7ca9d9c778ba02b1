#pragma once

#include "tools/hostcore/HostController.h"
#include "tools/hostcore/HostFrontEnd.h"
#include "tools/hostsim/DatabaseWindow.h"
#include "tools/hostsim/PlayerWindow.h"

#include <QObject>

#include <memory>

namespace karusello::hostsim {

// The two host windows as the controller's front end. Closing either window by hand ends the
// host; the close command can close one of them alone.
class QtHostFrontEnd : public QObject, public HostFrontEnd {
    Q_OBJECT
public:
    explicit QtHostFrontEnd(const QString& pluginMenuText);
    ~QtHostFrontEnd() override;

    // Routes the windows' actions to the controller.
    void Connect(HostController& controller);
    // Shows both windows and waits until the X server has created them.
    void ShowWindows();
    // Destroys both windows and waits until the X server has removed them.
    void DestroyWindows();

    void ShowPlaylists(const std::vector<PlaylistInfo>& playlists, std::int32_t shownNid) override;
    void ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist) override;
    void ShowMessage(const std::string& line) override;
    std::optional<WindowHandles> Handles() const override;
    bool CloseWindow(HostWindow window) override;
    void Quit() override;
    void Screenshot(const std::filesystem::path& file) override;

private:
    // Runs a window action; a failure shows in the database window instead of ending the host.
    template <typename Action> void Guarded(Action action);

    std::unique_ptr<DatabaseWindow> database_;
    std::unique_ptr<PlayerWindow> player_;
};

} // namespace karusello::hostsim
