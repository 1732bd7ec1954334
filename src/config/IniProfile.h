#pragma once
// Reading and writing one value of an INI profile file. All texts are GBK bytes.
#include <string>
#include <string_view>

namespace lifeng {

class IniProfile {
public:
    virtual ~IniProfile() = default;

    // The value of key in section of file, or defaultValue (trailing spaces removed) when the
    // file, section or key is missing. "" when the file, section or key name is empty once its
    // leading control bytes and blanks are dropped.
    virtual std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                                  std::string_view defaultValue) = 0;

    // Sets key=value in section of file, creating the file or section when missing. True when
    // the file was written.
    virtual bool PutString(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

// Follows the rules of the Windows profile functions on any host, and replaces files atomically.
class PortableIniProfile final : public IniProfile {
public:
    std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view defaultValue) override;
    bool PutString(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view value) override;
};

#ifdef _WIN32
// A thin layer over GetPrivateProfileStringA and WritePrivateProfileStringA.
class Win32IniProfile final : public IniProfile {
public:
    std::string GetString(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view defaultValue) override;
    bool PutString(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view value) override;
};
#endif

// The provider the program itself uses on this platform.
IniProfile& SystemIniProfile();

}  // namespace lifeng
