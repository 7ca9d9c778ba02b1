// The host windows that the plug-in watches and tells about a changed order.
#include "core/check/CheckSteps.h"

#include "core/config/GlobalValues.h"

namespace karusello::check {

namespace {

void CheckHostWindow(WindowSystem& windows, const std::string& name, const std::string& key,
                     WindowHandle handle, CheckReport& report) {
    const std::string item = "host window " + name;
    const std::string setting = "[Message] " + key;
    if (handle == 0) {
        report.Add(Problem(item, setting + " is not set",
                           "Start the host first: it publishes its windows in brisolan.ini when "
                           "it starts."));
        return;
    }
    const std::string given = setting + "=" + std::to_string(handle);
    if (!windows.IsWindow(handle)) {
        report.Add(Problem(item, given + ": no window has this handle",
                           "Start the host (or start it anew, so that it publishes its windows "
                           "again); the plug-in ends at once when neither host window exists."));
        return;
    }
    const std::optional<std::string> title = windows.WindowTitle(handle);
    std::string detail = given + ": a live window";
    if (title && !title->empty()) {
        detail += ", titled \"" + *title + "\"";
    } else if (title) {
        detail += " without a title";
    }
    report.Add(Ok(item, detail));
}

} // namespace

void CheckHostWindows(WindowSystem& windows, const GlobalValues& values, CheckReport& report) {
    CheckHostWindow(windows, "DB", "Handle.DB", values.MessageHandleDB, report);
    CheckHostWindow(windows, "DJ", "Handle.DJ", values.MessageHandleDJ, report);
}

} // namespace karusello::check
