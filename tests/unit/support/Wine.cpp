#include "support/Wine.h"

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace lifeng::test {

bool RunningUnderWine() {
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

bool ReadOnlyFilesOpenForWriting([[maybe_unused]] const char* directory) {
#ifdef _WIN32
    const std::string probe = std::string(directory) + "\\read-only-probe";
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool opened = file != INVALID_HANDLE_VALUE;
    if (opened) CloseHandle(file);
    SetFileAttributesA(probe.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(probe.c_str());
    return opened;
#else
    return false;
#endif
}

}  // namespace lifeng::test
