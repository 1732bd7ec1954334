#pragma once
// Whole-file access by Windows path (GBK bytes). Windows builds hand the path to the system;
// other hosts translate it first (HostPath.h).
#include <optional>
#include <string>
#include <string_view>

namespace lifeng::files {

// The file's bytes, or nothing when it does not exist, is a directory or cannot be read.
std::optional<std::string> ReadWhole(const std::string& path);

// Replaces the file's content with bytes, creating it when missing. The bytes go to a temporary
// file in the same directory first, which is then renamed over the old file, so a failure at any
// point leaves the old file exactly as it was. Fails for a missing directory, a directory of
// that name, a read-only file, or a file another program holds open without sharing.
bool ReplaceWhole(const std::string& path, std::string_view bytes);

// True when at least one directory entry, file or directory, has this name; false for "".
bool EntryExists(const std::string& path);

}  // namespace lifeng::files
