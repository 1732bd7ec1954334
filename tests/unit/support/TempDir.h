#pragma once
// Directories for tests. Paths are in the program's own form: Windows paths on Windows, host
// paths elsewhere.
#include <optional>
#include <string>
#include <string_view>

namespace lifeng::test {

// Files for a test under one directory, written and read without the program's own file code.
class FixtureDir {
public:
    explicit FixtureDir(std::string path) : path_(std::move(path)) {}
    FixtureDir(const FixtureDir&) = delete;
    FixtureDir& operator=(const FixtureDir&) = delete;

    // The directory, without a trailing separator.
    const std::string& path() const { return path_; }
    // path() + "\" + name.
    std::string File(std::string_view name) const;

    void Write(std::string_view name, std::string_view bytes) const;
    std::optional<std::string> Read(std::string_view name) const;
    void MakeDirectory(std::string_view name) const;
    void MakeReadOnly(std::string_view name) const;

protected:
    void RemoveContents() const;

private:
    std::string path_;
};

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir : public FixtureDir {
public:
    TempDir();
    ~TempDir();
};

// Drive S:, for a server in the root of a drive. Natively the program's path mapping puts it
// on a fresh directory; under Wine the test runner links it into the prefix (wine-run.sh).
// Emptied before and after the test.
class TestDrive : public FixtureDir {
public:
    TestDrive();
    ~TestDrive();
    bool available() const { return available_; }

private:
#ifndef _WIN32
    TempDir host_;
#endif
    bool available_ = false;
};

// The bytes of any file, by a path in the program's form; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// A fixture file under tests/golden.
std::string ReadTestData(std::string_view name);

}  // namespace lifeng::test
