#include "app/Files.h"
#include "config/IniProfile.h"
#include "config/IniText.h"

namespace lifeng {
namespace {

std::string_view DropLeadingControls(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) >= 0x01 && static_cast<unsigned char>(s[i]) <= 0x20) ++i;
    return s.substr(i);
}

std::string WithoutTrailingSpaces(std::string_view s) {
    const size_t last = s.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1));
}

}  // namespace

std::string PortableIniProfile::GetString(std::string_view file, std::string_view section, std::string_view key,
                                          std::string_view defaultValue) {
    file = DropLeadingControls(file);
    section = DropLeadingControls(section);
    key = DropLeadingControls(key);
    if (file.empty() || section.empty() || key.empty()) return {};
    const auto content = files::ReadWhole(std::string(file));
    if (content) {
        if (auto value = ini::FindValue(*content, section, key)) return std::move(*value);
    }
    return WithoutTrailingSpaces(defaultValue);
}

bool PortableIniProfile::PutString(std::string_view file, std::string_view section, std::string_view key,
                                   std::string_view value) {
    const std::string path(file);
    auto content = files::ReadWhole(path);
    if (!content) {
        if (files::EntryExists(path)) return false;  // there but unreadable: never clobber it
        content.emplace();
    }
    return files::ReplaceWhole(path, ini::WithEntry(*content, section, key, value));
}

}  // namespace lifeng

#ifndef _WIN32
namespace lifeng {

IniProfile& SystemIniProfile() {
    static PortableIniProfile profile;
    return profile;
}

}  // namespace lifeng
#endif
