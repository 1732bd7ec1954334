// Stands in for the .txt editor: notes the file it was asked to open in opened.log beside itself.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::string arg;
    if (argv && argc > 1) {
        const int n = WideCharToMultiByte(CP_ACP, 0, argv[1], -1, nullptr, 0, nullptr, nullptr);
        arg.resize(n > 0 ? n - 1 : 0);
        WideCharToMultiByte(CP_ACP, 0, argv[1], -1, arg.data(), n, nullptr, nullptr);
    }
    LocalFree(argv);

    char log[MAX_PATH] = {};
    const DWORD len = GetModuleFileNameA(nullptr, log, MAX_PATH);
    std::string path(log, len);
    path = path.substr(0, path.find_last_of('\\') + 1) + "opened.log";

    HANDLE f = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return 1;
    arg += "\r\n";
    DWORD written = 0;
    WriteFile(f, arg.data(), static_cast<DWORD>(arg.size()), &written, nullptr);
    CloseHandle(f);
    return 0;
}
