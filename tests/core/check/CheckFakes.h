#pragma once

// Stand-ins for what the check asks of the platform and the window system.

#include "core/app/interfaces/WindowSystem.h"
#include "core/check/CheckPlatform.h"
#include "core/os/Utf8Path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace karusello::test {

// Files are what they are on disk, readable and writable when they exist, unless a test says
// otherwise for a path.
class FakeCheckPlatform : public check::CheckPlatform {
public:
    check::FileAccess Access(const std::string& path) override {
        if (const auto given = access.find(path); given != access.end()) {
            return given->second;
        }
        const bool exists = std::filesystem::is_regular_file(Utf8Path(path));
        return {exists, exists, exists, {}};
    }
    check::SystemFacts System(const std::string&) override { return facts; }

    std::map<std::string, check::FileAccess> access;
    check::SystemFacts facts;
};

// Live windows and their titles; the check must never activate a window.
class FakeCheckWindows : public WindowSystem {
public:
    bool IsWindow(WindowHandle handle) override { return handle != 0 && live.count(handle) > 0; }
    void AppActivate(const std::string& title) override {
        ADD_FAILURE() << "the check activated " << title;
    }
    std::optional<std::string> WindowTitle(WindowHandle handle) override {
        if (!IsWindow(handle)) {
            return std::nullopt;
        }
        return live[handle];
    }

    std::map<WindowHandle, std::string> live;
};

} // namespace karusello::test
