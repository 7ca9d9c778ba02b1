#pragma once

#include "core/check/CheckPlatform.h"

namespace karusello::check {

// The check's view of a Windows system. The profile functions change the host INI file in
// place, and the database driver writes to its file: a file can be changed when it is not
// write-protected and opens for writing.
class Win32CheckPlatform : public CheckPlatform {
public:
    FileAccess Access(const std::string& path) override;
    SystemFacts System(const std::string& programFolder) override;
};

} // namespace karusello::check
