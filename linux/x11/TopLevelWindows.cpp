#include "linux/x11/TopLevelWindows.h"

#include "linux/x11/XcbProperty.h"

namespace karusello {

namespace {

struct Candidate {
    xcb_window_t window;
    xcb_window_t topLevel;
};

std::vector<xcb_window_t> Children(const xcb_query_tree_reply_t* reply) {
    if (reply == nullptr) {
        return {};
    }
    const xcb_window_t* children = xcb_query_tree_children(reply);
    return std::vector<xcb_window_t>(children, children + xcb_query_tree_children_length(reply));
}

std::vector<Candidate> ClientListCandidates(XcbConnection& connection) {
    std::vector<Candidate> candidates;
    for (std::uint32_t window :
         ReadWords(connection, connection.Root(), connection.Atom("_NET_CLIENT_LIST"))) {
        candidates.push_back({window, window});
    }
    return candidates;
}

// Children of the root in stacking order, each followed by its own children.
std::vector<Candidate> TreeCandidates(XcbConnection& connection) {
    xcb_connection_t* c = connection.Get();
    auto rootTree = TakeReply(xcb_query_tree_reply, c, xcb_query_tree(c, connection.Root()));
    const std::vector<xcb_window_t> topLevels = Children(rootTree.get());

    std::vector<xcb_query_tree_cookie_t> cookies;
    cookies.reserve(topLevels.size());
    for (xcb_window_t topLevel : topLevels) {
        cookies.push_back(xcb_query_tree(c, topLevel));
    }
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < topLevels.size(); ++i) {
        candidates.push_back({topLevels[i], topLevels[i]});
        auto tree = TakeReply(xcb_query_tree_reply, c, cookies[i]);
        for (xcb_window_t child : Children(tree.get())) {
            candidates.push_back({child, topLevels[i]});
        }
    }
    return candidates;
}

struct TitleCookies {
    xcb_get_property_cookie_t netWmName;
    xcb_get_property_cookie_t wmName;
};

} // namespace

std::vector<TitledWindow> ListTitledWindows(XcbConnection& connection, bool windowManagerRuns) {
    if (!connection.HasDisplay()) {
        return {};
    }
    std::vector<Candidate> candidates;
    if (windowManagerRuns) {
        candidates = ClientListCandidates(connection);
    }
    if (candidates.empty()) {
        candidates = TreeCandidates(connection);
    }

    const xcb_atom_t netWmName = connection.Atom("_NET_WM_NAME");
    std::vector<TitleCookies> cookies;
    cookies.reserve(candidates.size());
    for (const Candidate& candidate : candidates) {
        cookies.push_back({RequestProperty(connection, candidate.window, netWmName),
                           RequestProperty(connection, candidate.window, XCB_ATOM_WM_NAME)});
    }

    std::vector<TitledWindow> windows;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        // Both replies are taken so that none is left waiting in the connection.
        auto utf8Name = TakeProperty(connection, cookies[i].netWmName);
        auto legacyName = TakeProperty(connection, cookies[i].wmName);
        TitledWindow titled{candidates[i].window, candidates[i].topLevel, {}};
        if (PropertyText(utf8Name.get(), titled.title) ||
            PropertyText(legacyName.get(), titled.title)) {
            windows.push_back(std::move(titled));
        }
    }
    return windows;
}

} // namespace karusello
