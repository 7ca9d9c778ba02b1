#pragma once

#include "linux/x11/XcbReply.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <string>
#include <vector>

namespace karusello::test {

// True when $DISPLAY names an X server; tests that need one skip without it.
bool HaveDisplay();

// Skips the test (or, in SetUp, the fixture's test) when there is no X server in $DISPLAY.
#define REQUIRE_DISPLAY()                                                                          \
    if (!::karusello::test::HaveDisplay())                                                         \
    GTEST_SKIP() << "needs an X server in DISPLAY"

// The test's own connection, apart from the one of the code under test, so that messages and
// stacking are seen as another client sees them. Made before the connection under test.
class TestConnection {
public:
    explicit TestConnection(const char* displayName = nullptr);
    ~TestConnection();
    TestConnection(const TestConnection&) = delete;
    TestConnection& operator=(const TestConnection&) = delete;

    xcb_connection_t* Get() const { return connection_; }
    xcb_window_t Root() const { return screen_->root; }
    std::uint16_t ScreenWidth() const { return screen_->width_in_pixels; }
    std::uint16_t ScreenHeight() const { return screen_->height_in_pixels; }
    xcb_atom_t Atom(const std::string& name);

    // A round trip: afterwards every event that the server queued for this client before is in
    // the connection's queue.
    void Sync();
    // The events received so far, oldest first (X errors are dropped).
    std::vector<XcbReply<xcb_generic_event_t>> TakeEvents();
    // The children of the root, lowest in the stack first.
    std::vector<xcb_window_t> Stack();
    // Sets or replaces a property of format 32 or 8.
    void SetWords(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                  const std::vector<std::uint32_t>& words);
    void SetText(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                 const std::string& text);

private:
    xcb_connection_t* connection_;
    xcb_screen_t* screen_ = nullptr;
};

// A top-level window of the test, destroyed with the object.
class TestWindow {
public:
    // Unmapped unless mapped is true; title as WM_NAME (STRING) and _NET_WM_NAME (UTF-8).
    TestWindow(TestConnection& connection, const std::string& title, bool mapped = true);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    xcb_window_t Id() const { return id_; }
    std::int32_t Handle() const { return static_cast<std::int32_t>(id_); }
    void Destroy();
    std::uint8_t MapState();

private:
    TestConnection& connection_;
    xcb_window_t id_;
    bool alive_ = true;
};

// A title that no other test process on the same display uses.
std::string UniqueTitle(const std::string& stem);

} // namespace karusello::test
