#pragma once

#include "tools/hostcore/HostFrontEnd.h"

#include <functional>
#include <utility>

namespace karusello::hostsim {

// The front end without a display: nothing is shown, there are no windows to close or grab,
// and quitting calls the given function.
class NullFrontEnd : public HostFrontEnd {
public:
    explicit NullFrontEnd(std::function<void()> quit = {}) : quit_(std::move(quit)) {}

    void ShowPlaylists(const std::vector<PlaylistInfo>&, std::int32_t) override {}
    void ShowPlaylist(std::int32_t, const std::optional<Playlist>&) override {}
    void ShowMessage(const std::string&) override {}
    std::optional<WindowHandles> Handles() const override { return std::nullopt; }
    bool CloseWindow(HostWindow) override { return false; }
    void Quit() override {
        if (quit_) {
            quit_();
        }
    }
    void Screenshot(const std::filesystem::path&) override;

private:
    std::function<void()> quit_;
};

} // namespace karusello::hostsim
