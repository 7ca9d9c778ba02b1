#pragma once

#include <QIcon>

namespace karusello {

// The window's 32 x 32 icon, drawn at run time: a carousel of coloured seats.
QIcon DrawWindowIcon();

} // namespace karusello
