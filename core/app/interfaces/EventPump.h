#pragma once

namespace karusello {

// Lets window events that are pending run once (clicks, timer ticks), then returns.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void DoEvents() = 0;
};

} // namespace karusello
