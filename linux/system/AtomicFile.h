#pragma once

#include <string>
#include <string_view>

namespace karusello {

// Replaces the content of the file at path so that a reader sees either the old or the new file,
// never a part of it: the bytes go to a new file beside it, are flushed to disk and the new file
// is renamed over the old one, with the old file's permissions (and owner where allowed).
// A path that is a symbolic link stays a link; the file it points to is replaced. A missing file
// is created. Returns false, with the old file untouched, when the write cannot be made: the old
// file is not writable or no regular file, the folder is missing or not writable, the disk is
// full.
bool ReplaceFileAtomically(const std::string& path, std::string_view content);

} // namespace karusello
