#include "linux/x11/X11MessageControl.h"
#include "TestWindow.h"
#include "tests/support/PrivateXServer.h"
#include "linux/x11/ClientMessage.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace karusello {
namespace {

using test::PrivateXServer;
using test::TestConnection;
using test::TestWindow;
using test::UniqueTitle;

using Words = std::array<std::uint32_t, 5>;

struct Received {
    xcb_window_t window;
    std::uint8_t format;
    Words data;
};

// The host messages that reached the test's connection, oldest first.
std::vector<Received> HostMessages(TestConnection& x) {
    x.Sync();
    const xcb_atom_t type = x.Atom(hostMessageAtomName);
    std::vector<Received> messages;
    for (const auto& event : x.TakeEvents()) {
        if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE) {
            continue;
        }
        const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
        if (message->type == type) {
            Received received{message->window, message->format, {}};
            for (std::size_t i = 0; i < received.data.size(); ++i) {
                received.data[i] = message->data.data32[i];
            }
            messages.push_back(received);
        }
    }
    return messages;
}

// One of the tests covers the screen, takes the input focus and moves the pointer: each test
// has an X server of its own.
class X11Messages : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_PRIVATE_SERVER(server);
        x = std::make_unique<TestConnection>(server.Display().c_str());
        connection = std::make_shared<XcbConnection>(server.Display());
        control = std::make_unique<X11MessageControl>(connection);
    }
    PrivateXServer server;
    std::unique_ptr<TestConnection> x;
    std::shared_ptr<XcbConnection> connection;
    std::unique_ptr<X11MessageControl> control;
};

TEST_F(X11Messages, TheHostWindowReceivesTheValuesInOrder) {
    TestWindow host(*x, UniqueTitle("Brisolan DB"));
    control->SetTarget(host.Handle());
    control->SendToTarget(1042, 211, 0);
    control->SendToTarget(1042, 0, 0);
    control->SendToTarget(-7, INT_MIN, INT_MAX);

    const auto messages = HostMessages(*x);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].data, (Words{1042, 211, 0, 0, 0}));
    EXPECT_EQ(messages[1].data, (Words{1042, 0, 0, 0, 0}));
    EXPECT_EQ(messages[2].data, (Words{0xFFFFFFF9u, 0x80000000u, 0x7FFFFFFFu, 0, 0}));
    for (const auto& message : messages) {
        EXPECT_EQ(message.window, host.Id());
        EXPECT_EQ(message.format, 32);
    }
}

TEST_F(X11Messages, EachMessageGoesToTheTargetSetLast) {
    TestWindow db(*x, UniqueTitle("Brisolan DB"));
    TestWindow dj(*x, UniqueTitle("Brisolan DJ"));
    control->SetTarget(db.Handle());
    control->SendToTarget(1042, 211, 0);
    control->SetTarget(dj.Handle());
    control->SendToTarget(1042, 211, 0);

    const auto messages = HostMessages(*x);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].window, db.Id());
    EXPECT_EQ(messages[1].window, dj.Id());
}

TEST_F(X11Messages, NoMessageLeavesForSpecialOrMissingWindows) {
    // A window that has the focus and lies under the pointer: were 0 (PointerWindow) or
    // 1 (InputFocus) used as destinations, the message would arrive here.
    TestWindow bait(*x, UniqueTitle("Karusello bait"));
    const std::uint32_t geometry[] = {0, 0, x->ScreenWidth(), x->ScreenHeight(),
                                      XCB_STACK_MODE_ABOVE};
    xcb_configure_window(x->Get(), bait.Id(),
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT | XCB_CONFIG_WINDOW_STACK_MODE,
                         geometry);
    xcb_warp_pointer(x->Get(), XCB_WINDOW_NONE, bait.Id(), 0, 0, 0, 0, 5, 5);
    xcb_set_input_focus(x->Get(), XCB_INPUT_FOCUS_POINTER_ROOT, bait.Id(), XCB_CURRENT_TIME);
    TestWindow gone(*x, UniqueTitle("Karusello gone"));
    gone.Destroy();

    for (std::int32_t handle : {0, 1, -1, -2, INT_MIN, gone.Handle()}) {
        control->SetTarget(handle);
        EXPECT_NO_THROW(control->SendToTarget(1042, 211, 0)) << handle;
    }
    EXPECT_TRUE(HostMessages(*x).empty());

    // The connection is still in order afterwards.
    control->SetTarget(bait.Handle());
    control->SendToTarget(1042, 0, 0);
    EXPECT_EQ(HostMessages(*x).size(), 1u);
}

TEST_F(X11Messages, AWindowThatVanishesBeforeTheSendCostsNothing) {
    // What happens when the window goes between the existence check and the send: the X error
    // is consumed and no error event is left behind.
    TestWindow gone(*x, UniqueTitle("Karusello gone"));
    gone.Destroy();
    ClientMessage message;
    message.window = gone.Id();
    message.type = connection->Atom(hostMessageAtomName);
    EXPECT_FALSE(SendClientMessage(*connection, gone.Id(), message, XCB_EVENT_MASK_NO_EVENT));
    xcb_generic_event_t* pending = xcb_poll_for_event(connection->Get());
    EXPECT_EQ(pending, nullptr);
    std::free(pending);
    EXPECT_EQ(xcb_connection_has_error(connection->Get()), 0);

    TestWindow host(*x, UniqueTitle("Brisolan DB"));
    control->SetTarget(host.Handle());
    control->SendToTarget(1042, 211, 0);
    EXPECT_EQ(HostMessages(*x).size(), 1u);
}

TEST(X11MessagesWithoutDisplay, SendNothingAndDoNotFail) {
    X11MessageControl control(std::make_shared<XcbConnection>(":4711"));
    control.SetTarget(0x200001);
    EXPECT_NO_THROW(control.SendToTarget(1042, 211, 0));
}

} // namespace
} // namespace karusello
