#include "app/Files.h"
#include "app/HostPath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lifeng::files {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

std::string DirectoryOf(const std::string& host) {
    const size_t slash = host.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : host.substr(0, slash);
}

}  // namespace

std::optional<std::string> ReadWhole(const std::string& path) {
    const auto host = HostPath(path);
    if (!host) return std::nullopt;
    Descriptor fd(::open(host->c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) return content;
        content.append(buffer, static_cast<size_t>(got));
    }
}

bool ReplaceWhole(const std::string& path, std::string_view bytes) {
    const auto host = HostPath(path);
    if (!host || host->back() == '/') return false;
    mode_t mode = 0644;
    struct stat info {};
    if (::stat(host->c_str(), &info) == 0) {
        // A file without write permission counts as read-only even for root, as the read-only
        // attribute does on Windows; a rename would otherwise replace it.
        if (!S_ISREG(info.st_mode) || !(info.st_mode & S_IWUSR)) return false;
        mode = info.st_mode & 07777;
    }
    std::string temporary = DirectoryOf(*host) + "/.lifeng-XXXXXX";
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) return false;
    const bool written = WriteAll(fd.get(), bytes) && ::fchmod(fd.get(), mode) == 0 && ::fsync(fd.get()) == 0;
    if (!fd.Close() || !written || ::rename(temporary.c_str(), host->c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool EntryExists(const std::string& path) {
    const auto host = HostPath(path);
    struct stat info {};
    return host && ::stat(host->c_str(), &info) == 0;
}

}  // namespace lifeng::files
