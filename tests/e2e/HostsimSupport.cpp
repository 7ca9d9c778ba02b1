#include "HostsimSupport.h"

#include "DesktopTools.h"
#include "HostsimDriver.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FileText.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>

namespace karusello::e2e {

namespace {

using namespace std::chrono_literals;

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        items.push_back(item);
    }
    return items;
}

// Runs a tool to its end; its exit code and what it printed.
std::pair<int, std::string> RunTool(const std::string& program,
                                    const std::vector<std::string>& args,
                                    const std::filesystem::path& scratch) {
    const auto output = scratch / "tool-output.txt";
    std::filesystem::remove(output);
    test::ChildProcess tool(program, args, {}, output);
    const auto code = tool.WaitFor(60s);
    std::string printed = test::ReadText(output);
    std::filesystem::remove(output);
    return {code.value_or(-1), printed};
}

bool IsNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("-0123456789") == std::string::npos;
}

} // namespace

ShownOrder ParseOrder(const std::string& answer) {
    ShownOrder order;
    order.missing = answer.find(" missing") != std::string::npos;
    order.sids = SplitList(AnswerField(answer, "sids"));
    order.plids = SplitList(AnswerField(answer, "plids"));
    return order;
}

bool IsShuffledOrder(const ShownOrder& order) {
    const long long highest = static_cast<long long>(order.sids.size()) + 99;
    std::set<long long> seen;
    for (const std::string& sid : order.sids) {
        if (!IsNumber(sid)) {
            return false;
        }
        const long long value = std::stoll(sid);
        if (value < 0 || value > highest || !seen.insert(value).second) {
            return false;
        }
    }
    return !order.sids.empty();
}

std::vector<std::string> SidsByPlid(const ShownOrder& order) {
    std::vector<std::pair<long long, std::string>> rows;
    for (std::size_t i = 0; i < order.plids.size() && i < order.sids.size(); ++i) {
        rows.emplace_back(std::stoll(order.plids[i]), order.sids[i]);
    }
    std::sort(rows.begin(), rows.end());
    std::vector<std::string> sids;
    for (const auto& row : rows) {
        sids.push_back(row.second);
    }
    return sids;
}

std::string MessageLine(const std::string& window, std::uint32_t handle,
                        const std::string& values) {
    return "message window=" + window + " handle=" + std::to_string(handle) + " values=" + values;
}

std::string QueryRows(const std::filesystem::path& database, const std::string& sql,
                      const std::filesystem::path& scratch) {
    auto [code, rows] = RunTool(kSqlite3, {"-readonly", database.string(), sql}, scratch);
    return code == 0 ? rows : "sqlite3 failed (" + std::to_string(code) + "): " + rows;
}

std::vector<std::string> CommandLineOf(pid_t pid) {
    const std::string text = test::ReadText("/proc/" + std::to_string(pid) + "/cmdline");
    std::vector<std::string> words;
    std::size_t start = 0;
    for (auto end = text.find('\0'); end != std::string::npos; end = text.find('\0', start)) {
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

bool Click(xcb_window_t window, Point at, const std::filesystem::path& scratch) {
    return RunTool(kXdotool,
                   {"mousemove", "--window", std::to_string(window), std::to_string(at.x),
                    std::to_string(at.y), "click", "1"},
                   scratch)
               .first == 0;
}

bool ParkPointer(const std::filesystem::path& scratch) {
    return RunTool(kXdotool, {"mousemove", "1279", "1023"}, scratch).first == 0;
}

std::vector<std::uint8_t> Pixels(xcb_window_t window, Geometry region) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    std::vector<std::uint8_t> pixels;
    if (!xcb_connection_has_error(connection)) {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window,
                          static_cast<std::int16_t>(region.x), static_cast<std::int16_t>(region.y),
                          static_cast<std::uint16_t>(region.width),
                          static_cast<std::uint16_t>(region.height), ~0u),
            nullptr);
        if (image) {
            const std::uint8_t* data = xcb_get_image_data(image);
            pixels.assign(data, data + xcb_get_image_data_length(image));
            std::free(image);
        }
    }
    xcb_disconnect(connection);
    return pixels;
}

bool IsUniform(const std::vector<std::uint8_t>& pixels) {
    // Four bytes a pixel at the depth of 24 bits.
    for (std::size_t i = 4; i + 4 <= pixels.size(); i += 4) {
        if (!std::equal(pixels.begin() + i, pixels.begin() + i + 3, pixels.begin())) {
            return false;
        }
    }
    return true;
}

} // namespace karusello::e2e
