#pragma once

namespace karusello {

// The window events that run the workflow.
enum class FormEvent { Load, ShuffelClick, AbbruchClick, WeiderherstellenClick, Timer1, Timer2 };

} // namespace karusello
