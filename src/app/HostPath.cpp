#include "app/HostPath.h"

#include <array>
#include <cctype>
#include <iconv.h>

namespace lifeng {
namespace {

std::array<std::string, 26>& Drives() {
    static std::array<std::string, 26> drives = [] {
        std::array<std::string, 26> initial;
        initial['z' - 'a'] = "/";
        return initial;
    }();
    return drives;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string GbkToUtf8(const std::string& gbk) {
    iconv_t converter = iconv_open("UTF-8", "GBK");
    if (converter == reinterpret_cast<iconv_t>(-1)) return gbk;
    std::string utf8(gbk.size() * 3 / 2 + 4, '\0');
    char* in = const_cast<char*>(gbk.data());
    size_t inLeft = gbk.size();
    char* out = utf8.data();
    size_t outLeft = utf8.size();
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1)) return gbk;  // not GBK after all: keep the bytes
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

}  // namespace

void MapDrive(char letter, std::string hostDirectory) {
    const int index = std::tolower(static_cast<unsigned char>(letter)) - 'a';
    if (index >= 0 && index < 26) Drives()[static_cast<size_t>(index)] = std::move(hostDirectory);
}

std::optional<std::string> HostPath(std::string_view windowsPath) {
    if (windowsPath.empty()) return std::nullopt;
    std::string host;
    std::string_view rest = windowsPath;
    if (rest.size() >= 2 && rest[1] == ':' && std::isalpha(static_cast<unsigned char>(rest[0]))) {
        const int index = std::tolower(static_cast<unsigned char>(rest[0])) - 'a';
        host = Drives()[static_cast<size_t>(index)];
        if (host.empty()) return std::nullopt;
        if (host.back() != '/') host += '/';
        rest.remove_prefix(2);
        while (!rest.empty() && IsSeparator(rest.front())) rest.remove_prefix(1);
    }
    for (size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (static_cast<unsigned char>(c) >= 0x80 && i + 1 < rest.size()) {
            host += c;
            host += rest[++i];
        } else if (IsSeparator(c)) {
            if (host.empty() || host.back() != '/') host += '/';
        } else {
            host += c;
        }
    }
    return GbkToUtf8(host);
}

}  // namespace lifeng
