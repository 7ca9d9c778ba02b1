#pragma once

namespace karusello::os {

// The character that joins a folder and a name in the platform's paths: "\" on Windows, "/"
// elsewhere. The host's files are found from the program's folder by this join.
char PathSeparator();

} // namespace karusello::os
