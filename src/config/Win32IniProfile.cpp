#include "config/IniProfile.h"

#include <windows.h>

namespace lifeng {

std::string Win32IniProfile::GetString(std::string_view file, std::string_view section, std::string_view key,
                                       std::string_view defaultValue) {
    const std::string fileName(file), sectionName(section), keyName(key), fallback(defaultValue);
    char buffer[10240];
    const DWORD length = GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(),
                                                  fallback.empty() ? nullptr : fallback.c_str(), buffer,
                                                  sizeof buffer, fileName.c_str());
    return std::string(buffer, length);
}

bool Win32IniProfile::PutString(std::string_view file, std::string_view section, std::string_view key,
                                std::string_view value) {
    const std::string fileName(file), sectionName(section), keyName(key), text(value);
    return WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), text.c_str(), fileName.c_str()) != FALSE;
}

IniProfile& SystemIniProfile() {
    static Win32IniProfile profile;
    return profile;
}

}  // namespace lifeng
