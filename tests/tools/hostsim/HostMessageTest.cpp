#include "tools/hostcore/MessageLog.h"
#include "tools/hostsim/core/XcbHostMessage.h"

#include "TempHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace karusello::hostsim {
namespace {

constexpr xcb_atom_t hostType = 321;

xcb_generic_event_t Event(std::uint8_t responseType, std::uint8_t format, xcb_atom_t type,
                          std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    xcb_client_message_event_t message{};
    message.response_type = responseType;
    message.format = format;
    message.window = 4194311;
    message.type = type;
    message.data.data32[0] = a;
    message.data.data32[1] = b;
    message.data.data32[2] = c;
    xcb_generic_event_t event{};
    // The X server delivers 32 bytes; xcb's generic event has room for them and a bit more.
    static_assert(sizeof(event) >= sizeof(message));
    std::memcpy(&event, &message, sizeof(message));
    return event;
}

TEST(HostMessageTest, DecodesOnlyHostMessages) {
    const auto sent =
        DecodeHostMessage(Event(XCB_CLIENT_MESSAGE | 0x80, 32, hostType, 1042, 211, 0), hostType);
    ASSERT_TRUE(sent) << "a message sent by another client";
    EXPECT_EQ(sent->window, 4194311U);
    EXPECT_EQ(sent->values, (std::array<std::int32_t, 3>{1042, 211, 0}));

    const auto negative =
        DecodeHostMessage(Event(XCB_CLIENT_MESSAGE, 32, hostType, 0xFFFFFFFF, 0, 7), hostType);
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->values, (std::array<std::int32_t, 3>{-1, 0, 7}));

    EXPECT_FALSE(
        DecodeHostMessage(Event(XCB_CLIENT_MESSAGE, 32, hostType + 1, 1042, 0, 0), hostType))
        << "another type";
    EXPECT_FALSE(DecodeHostMessage(Event(XCB_CLIENT_MESSAGE, 8, hostType, 1042, 0, 0), hostType))
        << "another format";
    EXPECT_FALSE(DecodeHostMessage(Event(XCB_PROPERTY_NOTIFY, 32, hostType, 1042, 0, 0), hostType))
        << "another event";
    EXPECT_FALSE(
        DecodeHostMessage(Event(XCB_CLIENT_MESSAGE, 32, XCB_ATOM_NONE, 1042, 0, 0), XCB_ATOM_NONE))
        << "no type interned";
}

TEST(HostMessageTest, LogsEveryMessageAsOneLineOnConsoleAndFile) {
    HostMessage message;
    message.window = 4194311;
    message.values = {1042, 211, 0};
    EXPECT_EQ(FormatMessageLine("DB", message),
              "message window=DB handle=4194311 values=1042,211,0");
    message.values = {-5, 0, 2147483647};
    EXPECT_EQ(FormatMessageLine("other", message),
              "message window=other handle=4194311 values=-5,0,2147483647");

    const test::TempFolder folder;
    const auto file = folder.Path() / "messages.log";
    test::WriteFile(file, "earlier\n");
    std::ostringstream console;
    {
        MessageLog log(console, file);
        log.Record("message one");
        EXPECT_EQ(test::ReadText(file), "earlier\nmessage one\n") << "on disk at once";
        log.Record("message two");
    }
    EXPECT_EQ(console.str(), "message one\nmessage two\n");
    EXPECT_EQ(test::ReadText(file), "earlier\nmessage one\nmessage two\n");
    EXPECT_THROW(MessageLog(console, folder.Path() / "no" / "such.log"), std::runtime_error);
}

} // namespace
} // namespace karusello::hostsim
