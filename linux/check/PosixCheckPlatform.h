#pragma once

#include "core/check/CheckPlatform.h"

namespace karusello::check {

// The check's view of a Linux system. The INI engine replaces the host INI file by a new file
// beside it, and SQLite keeps its journal beside the database: a file can be changed only when
// it opens for writing and its folder takes new files. The system facts of Windows (code page,
// 32 bits on 64, display scaling) have no counterpart here.
class PosixCheckPlatform : public CheckPlatform {
public:
    FileAccess Access(const std::string& path) override;
    SystemFacts System(const std::string& programFolder) override;
};

} // namespace karusello::check
