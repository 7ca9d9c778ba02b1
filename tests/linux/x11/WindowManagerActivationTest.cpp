#include "TestWindow.h"
#include "tests/support/PrivateXServer.h"
#include "linux/x11/WindowManager.h"
#include "linux/x11/X11WindowSystem.h"

#include <gtest/gtest.h>

namespace karusello {
namespace {

using test::PrivateXServer;
using test::TestConnection;
using test::TestWindow;

// The test plays an EWMH window manager on its own display: it publishes the check window and
// the client list and takes the requests that a window manager gets.
class WithWindowManager : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_PRIVATE_SERVER(server);
        wm = std::make_unique<TestConnection>(server.Display().c_str());
        const std::uint32_t redirect =
            XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(wm->Get(), wm->Root(), XCB_CW_EVENT_MASK, &redirect);
        check = std::make_unique<TestWindow>(*wm, "wm", false);
        const xcb_atom_t checkAtom = wm->Atom("_NET_SUPPORTING_WM_CHECK");
        wm->SetWords(wm->Root(), checkAtom, XCB_ATOM_WINDOW, {check->Id()});
        wm->SetWords(check->Id(), checkAtom, XCB_ATOM_WINDOW, {check->Id()});
        connection = std::make_shared<XcbConnection>(server.Display());
        windows = std::make_unique<X11WindowSystem>(connection);
        wm->TakeEvents();
    }

    void PublishClients(const std::vector<xcb_window_t>& clients) {
        wm->SetWords(wm->Root(), wm->Atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW,
                     {clients.begin(), clients.end()});
    }

    struct Requests {
        std::vector<xcb_client_message_event_t> activations;
        std::vector<xcb_configure_request_event_t> restacks;
    };
    Requests TakeRequests() {
        wm->Sync();
        Requests requests;
        for (const auto& event : wm->TakeEvents()) {
            const auto type = event->response_type & 0x7F;
            if (type == XCB_CLIENT_MESSAGE) {
                const auto* message =
                    reinterpret_cast<const xcb_client_message_event_t*>(event.get());
                if (message->type == wm->Atom("_NET_ACTIVE_WINDOW")) {
                    requests.activations.push_back(*message);
                }
            } else if (type == XCB_CONFIGURE_REQUEST) {
                requests.restacks.push_back(
                    *reinterpret_cast<const xcb_configure_request_event_t*>(event.get()));
            }
        }
        return requests;
    }

    PrivateXServer server;
    std::unique_ptr<TestConnection> wm;
    std::unique_ptr<TestWindow> check;
    std::shared_ptr<XcbConnection> connection;
    std::unique_ptr<X11WindowSystem> windows;
};

TEST_F(WithWindowManager, AsksTheWindowManagerToActivateAClientFromItsList) {
    EXPECT_TRUE(WindowManagerRuns(*connection));
    TestWindow prefix(*wm, "Brisolan Karusello 2");
    TestWindow exact(*wm, "Brisolan Karusello");
    // Not managed by the window manager: a window of the same title outside its list is no
    // candidate.
    TestWindow unmanaged(*wm, "Brisolan Karusello");
    PublishClients({prefix.Id(), exact.Id()});

    windows->AppActivate("Brisolan Karusello");
    auto requests = TakeRequests();
    ASSERT_EQ(requests.activations.size(), 1u);
    EXPECT_EQ(requests.activations[0].window, exact.Id());
    EXPECT_EQ(requests.activations[0].format, 32);
    EXPECT_EQ(requests.activations[0].data.data32[0], 2u); // on behalf of the user
    EXPECT_TRUE(requests.restacks.empty());

    PublishClients({prefix.Id()});
    windows->AppActivate("Brisolan Karusello");
    requests = TakeRequests();
    ASSERT_EQ(requests.activations.size(), 1u);
    EXPECT_EQ(requests.activations[0].window, prefix.Id());
}

TEST_F(WithWindowManager, AMinimisedWindowIsOnlyRaised) {
    TestWindow iconic(*wm, "Brisolan Karusello");
    TestWindow hidden(*wm, "Brisolan Karusello 2");
    PublishClients({iconic.Id(), hidden.Id()});
    const xcb_atom_t wmState = wm->Atom("WM_STATE");
    wm->SetWords(iconic.Id(), wmState, wmState, {3, 0});
    wm->SetWords(hidden.Id(), wm->Atom("_NET_WM_STATE"), XCB_ATOM_ATOM,
                 {wm->Atom("_NET_WM_STATE_ABOVE"), wm->Atom("_NET_WM_STATE_HIDDEN")});

    for (const auto* target : {&iconic, &hidden}) {
        windows->AppActivate(target == &iconic ? "Brisolan Karusello" : "Brisolan Karusello 2");
        const auto requests = TakeRequests();
        EXPECT_TRUE(requests.activations.empty());
        ASSERT_EQ(requests.restacks.size(), 1u);
        EXPECT_EQ(requests.restacks[0].window, target->Id());
        EXPECT_EQ(requests.restacks[0].value_mask, XCB_CONFIG_WINDOW_STACK_MODE);
        EXPECT_EQ(requests.restacks[0].stack_mode, XCB_STACK_MODE_ABOVE);
    }

    // A window in the normal state is activated.
    wm->SetWords(iconic.Id(), wmState, wmState, {1, 0});
    windows->AppActivate("Brisolan Karusello");
    EXPECT_EQ(TakeRequests().activations.size(), 1u);
}

TEST_F(WithWindowManager, ALeftOverCheckPropertyMeansNoWindowManager) {
    const xcb_atom_t checkAtom = wm->Atom("_NET_SUPPORTING_WM_CHECK");
    TestWindow other(*wm, "other", false);
    wm->SetWords(check->Id(), checkAtom, XCB_ATOM_WINDOW, {other.Id()});
    EXPECT_FALSE(WindowManagerRuns(*connection));
    wm->SetWords(check->Id(), checkAtom, XCB_ATOM_WINDOW, {check->Id()});
    EXPECT_TRUE(WindowManagerRuns(*connection));
    check->Destroy();
    EXPECT_FALSE(WindowManagerRuns(*connection));
}

} // namespace
} // namespace karusello
