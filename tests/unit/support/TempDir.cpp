#include "support/TempDir.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <windows.h>
#else
#include "app/HostPath.h"
#endif

namespace lifeng::test {
namespace fs = std::filesystem;
namespace {

// Turns a path in the program's form into one the C library opens. Narrow paths on Windows are
// in the ANSI code page already, which is what the program's GBK names need.
std::string Native(const std::string& path) {
#ifdef _WIN32
    return path;
#else
    return HostPath(path).value();
#endif
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::optional<std::string> ReadAll(const std::string& nativePath) {
    FilePtr in(std::fopen(nativePath.c_str(), "rb"));
    if (!in) return std::nullopt;
    std::string content;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0;) content.append(buffer, got);
    return content;
}

std::string UniqueName() {
    static std::atomic<int> counter{0};
    std::ostringstream name;
    name << "lifeng-test-" << std::hex << fs::file_time_type::clock::now().time_since_epoch().count() << "-"
         << counter++;
    return name.str();
}

fs::path FreshDirectory() {
    const fs::path directory = fs::temp_directory_path() / UniqueName();
    fs::create_directories(directory);
    return directory;
}

}  // namespace

void FixtureDir::RemoveContents() const {
    std::error_code ignored;
    const fs::path root(Native(path_ + "\\"));
    for (const auto& entry : fs::recursive_directory_iterator(root, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    for (const auto& entry : fs::directory_iterator(root, ignored)) fs::remove_all(entry.path(), ignored);
}

TempDir::TempDir() : FixtureDir(FreshDirectory().string()) {}

TempDir::~TempDir() {
    RemoveContents();
    std::error_code ignored;
    fs::remove(Native(path()), ignored);
}

#ifdef _WIN32
TestDrive::TestDrive() : FixtureDir("S:") {
    available_ = (GetFileAttributesA("S:\\") & FILE_ATTRIBUTE_DIRECTORY) && GetDriveTypeA("S:\\") != DRIVE_NO_ROOT_DIR;
    if (available_) RemoveContents();
}
TestDrive::~TestDrive() {
    if (available_) RemoveContents();
}
#else
TestDrive::TestDrive() : FixtureDir("S:") {
    MapDrive('s', host_.path());
    available_ = true;
}
TestDrive::~TestDrive() { MapDrive('s', ""); }
#endif

std::string FixtureDir::File(std::string_view name) const { return path_ + "\\" + std::string(name); }

void FixtureDir::Write(std::string_view name, std::string_view bytes) const {
    FilePtr out(std::fopen(Native(File(name)).c_str(), "wb"));
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out.get()) != bytes.size()) {
        throw std::runtime_error("cannot write fixture " + File(name));
    }
}

std::optional<std::string> FixtureDir::Read(std::string_view name) const { return ReadFileBytes(File(name)); }

std::optional<std::string> ReadFileBytes(const std::string& path) { return ReadAll(Native(path)); }

void FixtureDir::MakeDirectory(std::string_view name) const {
#ifdef _WIN32
    _mkdir(Native(File(name)).c_str());
#else
    mkdir(Native(File(name)).c_str(), 0755);
#endif
}

// On Windows this sets the read-only attribute.
void FixtureDir::MakeReadOnly(std::string_view name) const {
#ifdef _WIN32
    _chmod(Native(File(name)).c_str(), _S_IREAD);
#else
    chmod(Native(File(name)).c_str(), 0444);
#endif
}

std::string ReadTestData(std::string_view name) {
    auto content = ReadAll(std::string(LIFENG_TEST_DATA) + "/" + std::string(name));
    if (!content) throw std::runtime_error("missing test data " + std::string(name));
    return *content;
}

}  // namespace lifeng::test
