#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace karusello {

// The forms in which a host may write the program's own path at the start of its command line:
// the module's full path and the system's short form of it (where the system gives one), each
// with and without its ".exe", which the system adds when it starts a program.
std::vector<std::wstring> OwnPathForms(const std::wstring& modulePath);

// The arguments of a Windows command line as one text: everything after the program's own path
// and the blanks and tabs that follow it. A quoted path ends at the next quote. A host may also
// write the path unquoted, blanks and all ("C:\Program Files (x86)\...\karusello.exe 17"): a
// command line that begins with one of ownPaths, compared without regard to case and followed
// by a blank, a tab or its end, loses that path. Any other unquoted path ends at the first blank
// or tab, as the system reads it. The rest is kept as it stands, quotes and all, as the host
// handed it over.
std::wstring ArgumentsOf(std::wstring_view commandLine,
                         const std::vector<std::wstring>& ownPaths = {});

} // namespace karusello
