#include "app/WindowsPath.h"

namespace lifeng {

std::string CutAtLastSeparator(std::string_view path) {
    size_t last = std::string_view::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (static_cast<unsigned char>(path[i]) >= 0x80) {
            ++i;  // a lead byte takes the next byte with it
        } else if (path[i] == '\\' || path[i] == '/') {
            last = i;
        }
    }
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last));
}

}  // namespace lifeng
