#pragma once

#include "core/app/interfaces/EventPump.h"

namespace karusello {

// One pass of the Qt event loop: posted events, input and the timers that have fallen due
// are delivered, then control comes back. It does not wait for new events.
class QtEventPump : public EventPump {
public:
    void DoEvents() override;
};

} // namespace karusello
