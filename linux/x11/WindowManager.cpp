#include "linux/x11/WindowManager.h"

#include "linux/x11/XcbProperty.h"

namespace karusello {

bool WindowManagerRuns(XcbConnection& connection) {
    if (!connection.HasDisplay()) {
        return false;
    }
    const xcb_atom_t check = connection.Atom("_NET_SUPPORTING_WM_CHECK");
    const auto fromRoot = ReadWords(connection, connection.Root(), check);
    if (fromRoot.size() != 1 || fromRoot[0] == XCB_WINDOW_NONE) {
        return false;
    }
    const auto fromCheckWindow = ReadWords(connection, fromRoot[0], check);
    return fromCheckWindow.size() == 1 && fromCheckWindow[0] == fromRoot[0];
}

} // namespace karusello
