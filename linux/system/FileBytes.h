#pragma once

#include <string>

namespace karusello {

// The content of a file as raw bytes, and whether there was a file to read.
struct FileBytes {
    enum class Status {
        Read,    // a regular file, read completely into bytes
        Missing, // nothing at the path (or a folder of the path missing)
        Failed,  // something is there but it is no readable regular file
    };
    Status status = Status::Missing;
    std::string bytes;
};

// Reads the regular file at path (following symbolic links). Never blocks on a FIFO or device
// and never throws for file-system reasons.
FileBytes ReadFileBytes(const std::string& path);

} // namespace karusello
