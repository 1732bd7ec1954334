#pragma once

namespace lifeng::test {

// True when this Windows binary runs under Wine rather than on Windows itself.
bool RunningUnderWine();

// Wine keeps the read-only attribute as missing write permission on the host, which root
// passes through: then the system's own calls write into read-only files. True when a
// read-only file in directory opens for writing.
bool ReadOnlyFilesOpenForWriting(const char* directory);

}  // namespace lifeng::test
