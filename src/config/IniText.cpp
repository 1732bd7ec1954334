#include "config/IniText.h"

#include <vector>

namespace lifeng::ini {
namespace {

struct Line {
    size_t begin;  // first byte
    size_t end;    // past the text, before the CR LF or bare LF
    size_t next;   // first byte of the following line
};

std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    for (size_t begin = 0; begin < content.size();) {
        const size_t feed = content.find('\n', begin);
        if (feed == std::string_view::npos) {
            lines.push_back({begin, content.size(), content.size()});
            break;
        }
        const size_t end = (feed > begin && content[feed - 1] == '\r') ? feed - 1 : feed;
        lines.push_back({begin, end, feed + 1});
        begin = feed + 1;
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The name of a header line "[name]"; the name runs to the last "]".
std::optional<std::string_view> HeaderName(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const size_t close = trimmed.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed.substr(1, close - 1);
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Entry{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Where a section and an entry of it stand in the file; indexes into the line list.
struct Location {
    std::optional<size_t> header;
    std::optional<size_t> entry;
    size_t lastFilled = 0;  // the section's last line that is not blank (the header at least)
};

Location Locate(std::string_view content, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
    Location found;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = content.substr(lines[i].begin, lines[i].end - lines[i].begin);
        if (const auto name = HeaderName(line)) {
            if (found.header) break;  // a second section of the same name is never searched
            if (SameName(*name, section)) found.header = found.lastFilled = i;
            continue;
        }
        if (!found.header) continue;
        if (!TrimBlanks(line).empty()) found.lastFilled = i;
        const auto entry = EntryOf(line);
        if (!found.entry && entry && SameName(entry->key, key)) found.entry = i;
    }
    return found;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (static_cast<unsigned char>(a[i]) >= 0x80) {
            if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1])) return false;
            ++i;
        } else if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> FindValue(std::string_view content, std::string_view section, std::string_view key) {
    const std::vector<Line> lines = SplitLines(content);
    const Location found = Locate(content, lines, section, key);
    if (!found.entry) return std::nullopt;
    const Line& line = lines[*found.entry];
    const std::string_view value = Unquoted(EntryOf(content.substr(line.begin, line.end - line.begin))->value);
    return std::string(value.substr(0, kMaxValueLength));
}

std::string WithEntry(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string entryLine = std::string(key) + "=" + std::string(value);
    const std::vector<Line> lines = SplitLines(content);
    const Location found = Locate(content, lines, section, key);
    std::string result;
    if (found.entry) {
        const Line& line = lines[*found.entry];
        return result.append(content.substr(0, line.begin)).append(entryLine).append(content.substr(line.end));
    }
    // New lines go after a line that has its own line end; the file's last line may lack one.
    auto appendAfter = [&](size_t cut) {
        result.append(content.substr(0, cut));
        if (cut > 0 && content[cut - 1] != '\n') result += "\r\n";
    };
    if (found.header) {
        const size_t cut = lines[found.lastFilled].next;
        appendAfter(cut);
        return result.append(entryLine).append("\r\n").append(content.substr(cut));
    }
    appendAfter(content.size());
    return result.append("[").append(section).append("]\r\n").append(entryLine).append("\r\n");
}

}  // namespace lifeng::ini
