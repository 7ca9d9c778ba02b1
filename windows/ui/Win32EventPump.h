#pragma once

#include "core/app/interfaces/EventPump.h"

#include <windows.h>

namespace karusello {

// One pass over the thread's pending window messages: clicks, keys, paints and the timers that
// have fallen due are handled, then control comes back; it does not wait for new ones. Keys go
// through the dialog manager of the form first, so Tab moves between its buttons.
class Win32EventPump : public EventPump {
public:
    explicit Win32EventPump(HWND form) : form_(form) {}
    void DoEvents() override;

private:
    HWND form_;
};

// Handles one message as the pump and the event loop do.
void DispatchWindowMessage(HWND form, MSG& message);

// The program's event loop: handles window messages until WM_QUIT and returns its code.
int RunEventLoop(HWND form);

} // namespace karusello
