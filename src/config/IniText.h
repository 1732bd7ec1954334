#pragma once
// The INI rules over a file's bytes, with no file access.
#include <optional>
#include <string>
#include <string_view>

namespace lifeng::ini {

// The longest value a read returns: the Windows reader's buffer of 10240 bytes holds the zero too.
inline constexpr size_t kMaxValueLength = 10239;

// The value of the first entry of key in the first section named section, with blanks around it
// and one pair of matching quotes removed; nothing when the section or the entry is missing.
std::optional<std::string> FindValue(std::string_view content, std::string_view section, std::string_view key);

// The content with key=value set in section: the entry's line replaced, or the entry added at
// the end of the section, or the section added at the end of the file. Every other line is kept
// byte for byte; new lines end with CR LF.
std::string WithEntry(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value);

// Names compare without regard to the case of ASCII letters; both bytes of a GBK character must
// match exactly.
bool SameName(std::string_view a, std::string_view b);

}  // namespace lifeng::ini
