#include "app/Files.h"
#include "app/WindowsPath.h"

#include <windows.h>

namespace lifeng::files {
namespace {

// Owns a kernel handle; INVALID_HANDLE_VALUE means none.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        if (!valid()) return true;
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::optional<std::string> ReadWhole(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string content(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!content.empty() && !ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &got, nullptr)) {
        return std::nullopt;
    }
    content.resize(got);
    return content;
}

bool ReplaceWhole(const std::string& path, std::string_view bytes) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        return false;
    }
    std::string directory = CutAtLastSeparator(path);
    if (directory.empty()) directory = ".";
    if (directory.back() == ':') directory += '\\';  // "C:" alone would mean C's current directory
    char temporary[MAX_PATH + 16];
    if (!GetTempFileNameA(directory.c_str(), "lfw", 0, temporary)) return false;
    FileHandle file(CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool written = file.valid() && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    if (!file.Close() || !written ||
        !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary);
        return false;
    }
    return true;
}

bool EntryExists(const std::string& path) {
    if (path.empty()) return false;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

}  // namespace lifeng::files
