#pragma once
// How the program's Windows paths land on a host without drive letters:
//  - "\" and "/" both separate, and a run of separators counts as one (as Win32 resolves them);
//    GBK is respected, so a trail byte 0x5C is no separator;
//  - a drive letter names the host directory mapped to it, like Wine's dosdevices: Z: is the
//    host's root "/" and other letters are unmapped until MapDrive maps them. A path on an
//    unmapped drive names no host file;
//  - a path that starts with a separator is absolute on the host; any other path is relative to
//    the current directory;
//  - names are converted from GBK to UTF-8, the host's encoding for file names, and are matched
//    as spelled (the host's file system decides about case).
#include <optional>
#include <string>
#include <string_view>

namespace lifeng {

std::optional<std::string> HostPath(std::string_view windowsPath);

// Maps a drive letter (either case) to a host directory; an empty directory unmaps it.
void MapDrive(char letter, std::string hostDirectory);

}  // namespace lifeng
