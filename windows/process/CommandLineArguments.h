#pragma once

#include <string>
#include <string_view>

namespace karusello {

// The arguments of a Windows command line as one text: everything after the program's own path
// (quoted, or up to the first blank or tab) and the blanks and tabs that follow it. The rest is
// kept as it stands, quotes and all, as the host handed it over.
std::wstring ArgumentsOf(std::wstring_view commandLine);

} // namespace karusello
