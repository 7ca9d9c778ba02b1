#pragma once

#include "tools/hostcore/HostController.h"
#include "tools/hostcore/HostFrontEnd.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace karusello::hostsim {

// The host's two top-level windows as the controller's front end, in plain Win32:
// "Brisolan Datenbank" (a playlist chooser, the plug-in's menu entry and button, the shown
// playlist's entries in display order) and "Brisolan DJ" (the shown playlist, its first entry,
// the messages received). Every message of the programs' own range that reaches either window
// goes to the controller (HostMessageOf). Closing either window by hand ends the host; the close
// command can destroy one of them alone.
class HostWindows : public HostFrontEnd {
public:
    // onQuit runs when the host is to end (the main loop ends then).
    HostWindows(const std::string& pluginMenuText, std::function<void()> onQuit);
    ~HostWindows() override;
    HostWindows(const HostWindows&) = delete;
    HostWindows& operator=(const HostWindows&) = delete;

    // Routes the windows' actions and the received messages to the controller.
    void Connect(HostController& controller);
    // Creates and shows both windows; throws std::runtime_error when the system refuses.
    void ShowWindows();
    void DestroyWindows();
    // Shows a line in the status line of the database window.
    void ShowStatus(const std::string& text);

    void ShowPlaylists(const std::vector<PlaylistInfo>& playlists, std::int32_t shownNid) override;
    void ShowPlaylist(std::int32_t nid, const std::optional<Playlist>& playlist) override;
    void ShowMessage(const std::string& line) override;
    std::optional<WindowHandles> Handles() const override;
    bool CloseWindow(HostWindow window) override;
    void Quit() override;
    void Screenshot(const std::filesystem::path& file) override;

private:
    struct Controls;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WORD id, WORD code);
    void CreateDatabaseControls();
    void CreatePlayerControls();
    void Layout(HWND window);
    // Runs a window action; a failure shows in the status line instead of ending the host.
    void Guarded(const std::function<void()>& action);

    std::wstring menuText_;
    std::function<void()> onQuit_;
    HostController* controller_ = nullptr;
    HWND database_ = nullptr;
    HWND player_ = nullptr;
    std::unique_ptr<Controls> controls_;
    std::vector<std::int32_t> chooserNids_;
};

} // namespace karusello::hostsim
