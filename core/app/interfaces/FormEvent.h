#pragma once

namespace karusello {

// The window events that run the workflow. QueryUnload is the window's close box.
enum class FormEvent {
    Load,
    ShuffelClick,
    AbbruchClick,
    WeiderherstellenClick,
    Timer1,
    Timer2,
    QueryUnload,
};

} // namespace karusello
