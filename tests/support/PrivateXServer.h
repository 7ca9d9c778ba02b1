#pragma once

#include <string>
#include <sys/types.h>

namespace karusello::test {

// An Xvfb of the test's own, for tests that change what the whole display sees (a window
// manager of their own, the stacking order, the input focus) or that depend on it (no window
// manager, no other client that could be given the ids of windows that are gone), so that they
// neither disturb nor are disturbed by other tests on the shared display.
class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // False when no Xvfb could be started (not installed, for instance).
    bool Running() const { return !display_.empty(); }
    // ":N"
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

} // namespace karusello::test

// Skips the test (or, in SetUp, the fixture's test) when its own X server did not start.
#define REQUIRE_PRIVATE_SERVER(server)                                                             \
    if (!(server).Running())                                                                       \
    GTEST_SKIP() << "no Xvfb to start a display of the test's own"
