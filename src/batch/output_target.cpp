#include "batch/output_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace emberlin::batch {

namespace {

// The named temporary file for the signal handler, which may only unlink.
char gTemporaryPath[4096];

extern "C" void RemoveTemporaryAndExit(int signal) {
    if (gTemporaryPath[0] != '\0') unlink(gTemporaryPath);
    _exit(128 + signal);
}

// Watches for INT, TERM and HUP while `path` exists under a temporary name.
bool Remember(const std::string& path) {
    if (path.size() >= sizeof gTemporaryPath) return false;
    std::memcpy(gTemporaryPath, path.c_str(), path.size() + 1);
    std::signal(SIGINT, RemoveTemporaryAndExit);
    std::signal(SIGTERM, RemoveTemporaryAndExit);
    std::signal(SIGHUP, RemoveTemporaryAndExit);
    return true;
}

void Forget() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    gTemporaryPath[0] = '\0';
}

// A name beside the target no other file has yet: ".NAME.PID.N".
std::string TemporaryName(const std::string& folder, const std::string& base) {
    static std::atomic<unsigned> counter{0};
    return folder + "/." + base + "." + std::to_string(getpid()) + "." + std::to_string(counter++);
}

}  // namespace

std::string OutputTarget::Problem(int error) const {
    return "cannot write " + shownPath_ + ": " + std::strerror(error);
}

bool OutputTarget::Wrap(int fd, std::string& problem) {
    file_ = fdopen(fd, "wb");
    if (file_ == nullptr) {
        problem = Problem(errno);
        close(fd);
        return false;
    }
    // The CSV writer gathers whole blocks itself; unbuffered, each of its writes reaches the
    // file at once and its errno is the write's own.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    ownsFile_ = true;
    return true;
}

bool OutputTarget::Open(std::string_view path, std::FILE* standardOutput, std::string& problem,
                        bool unnamedTemporary) {
    if (path.empty() || path == "-") {
        file_ = standardOutput;
        shownPath_ = "the output";
        return true;
    }
    shownPath_ = std::string(path);
    std::string target = shownPath_;
    struct stat status {};
    // /dev/stdout and its like name a descriptor the caller opened: written into, never
    // replaced (the shell's file would be swapped under it).
    struct stat standard {};
    if (stat(target.c_str(), &status) == 0 && fstat(fileno(standardOutput), &standard) == 0 &&
        status.st_dev == standard.st_dev && status.st_ino == standard.st_ino) {
        file_ = standardOutput;
        return true;
    }
    const bool descriptor =
        target.starts_with("/proc/") || target.starts_with("/dev/fd/") || target == "/dev/stderr";
    if (descriptor) {
        const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) {
            problem = Problem(errno);
            return false;
        }
        return Wrap(fd, problem);
    }
    if (lstat(target.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        // A link is followed: its target is replaced and the link stays a link.
        if (char* resolved = realpath(target.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    const bool exists = stat(target.c_str(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode)) {
        problem = Problem(EISDIR);
        return false;
    }
    if (exists && !S_ISREG(status.st_mode)) {
        // A FIFO, a terminal or a device (/dev/null, /dev/stdout) is not replaced by a file.
        const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) {
            problem = Problem(errno);
            return false;
        }
        return Wrap(fd, problem);
    }

    finalPath_ = target;
    const std::size_t slash = target.rfind('/');
    folder_ = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    int fd = -1;
    if (unnamedTemporary) {
        // The umask applies as to any new file.
        fd = open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        // File systems without unnamed files say so in one of these ways.
        if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            problem = Problem(errno);
            finalPath_.clear();
            return false;
        }
    }
    if (fd < 0) {
        std::string name = TemporaryName(folder_, base);
        fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            problem = Problem(errno);
            finalPath_.clear();
            return false;
        }
        namedTemporary_ = name;
        if (!Remember(namedTemporary_)) {
            problem = Problem(ENAMETOOLONG);
            close(fd);
            Discard();
            return false;
        }
    }
    if (exists) {
        // Root keeps the owner too; for anyone else the call fails and the file is theirs.
        [[maybe_unused]] const int owned = fchown(fd, status.st_uid, status.st_gid);
        fchmod(fd, status.st_mode & 07777);
    }
    if (!Wrap(fd, problem)) {
        Discard();
        return false;
    }
    return true;
}

bool OutputTarget::LinkIntoPlace(int fd) {
    // A link from /proc needs no privilege; AT_EMPTY_PATH is the way without /proc.
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryName(folder_, "emberlin-output");
        if (!Remember(name)) {
            errno = ENAMETOOLONG;
            return false;
        }
        int linked = linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
        if (linked != 0 && errno == ENOENT)
            linked = linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
        if (linked != 0) {
            Forget();
            if (errno == EEXIST) continue;
            return false;
        }
        namedTemporary_ = name;
        return true;
    }
    errno = EEXIST;
    return false;
}

bool OutputTarget::Commit(std::string& problem) {
    if (file_ == nullptr) return true;
    if (std::fflush(file_) != 0) {
        problem = Problem(errno);
        Discard();
        return false;
    }
    if (!ownsFile_) return true;  // standard output stays open
    if (finalPath_.empty()) {     // a FIFO or a device
        const bool closed = std::fclose(file_) == 0;
        const int error = errno;
        file_ = nullptr;
        if (!closed) problem = Problem(error);
        return closed;
    }
    const int fd = fileno(file_);
    bool written = fsync(fd) == 0;
    if (written && namedTemporary_.empty()) written = LinkIntoPlace(fd);
    int error = errno;
    if (std::fclose(file_) != 0 && written) {
        written = false;
        error = errno;
    }
    file_ = nullptr;
    if (written && std::rename(namedTemporary_.c_str(), finalPath_.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        problem = Problem(error);
        Discard();
        return false;
    }
    namedTemporary_.clear();
    Forget();
    return true;
}

void OutputTarget::Discard() {
    if (file_ != nullptr && ownsFile_) std::fclose(file_);
    file_ = nullptr;
    if (!namedTemporary_.empty()) {
        unlink(namedTemporary_.c_str());
        namedTemporary_.clear();
        Forget();
    }
}

}  // namespace emberlin::batch
