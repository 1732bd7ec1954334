#pragma once
// A fresh directory for one test, removed with everything in it afterwards. Paths are in the
// program's own form: Windows paths on Windows, host paths elsewhere.
#include <optional>
#include <string>
#include <string_view>

namespace lifeng::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, without a trailing separator.
    const std::string& path() const { return path_; }
    // path() + "\" + name.
    std::string File(std::string_view name) const;

    // Fixture access that does not go through the program's own file code.
    void Write(std::string_view name, std::string_view bytes) const;
    std::optional<std::string> Read(std::string_view name) const;
    void MakeDirectory(std::string_view name) const;
    void MakeReadOnly(std::string_view name) const;

private:
    std::string path_;
};

// A fixture file under tests/golden.
std::string ReadTestData(std::string_view name);

}  // namespace lifeng::test
