#include "shell/file_replace.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// As many links as the kernel itself follows before it gives up.
const int kMaxLinkHops = 40;

// The file a path finally names, following symbolic links one at a time so
// that a link to a file not made yet still leads to where it will be.
bool resolveLinks(const std::string& path, std::string* resolved) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status;
        if (lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT) {
                return false;
            }
            *resolved = current;
            return true;
        }
        if (!S_ISLNK(status.st_mode)) {
            *resolved = current;
            return true;
        }
        std::string target(PATH_MAX, '\0');
        ssize_t length = readlink(current.c_str(), &target[0], target.size());
        if (length < 0) {
            return false;
        }
        // A target filling the whole buffer may have been cut.
        if (static_cast<size_t>(length) >= target.size()) {
            errno = ENAMETOOLONG;
            return false;
        }
        target.resize(static_cast<size_t>(length));
        if (!target.empty() && target[0] == '/') {
            current = target;
        } else {
            current = current.substr(0, current.rfind('/') + 1) + target;
        }
    }
    errno = ELOOP;
    return false;
}

// Judged by the mode bits as well as by access(): a process with the rights
// to write anything still leaves a file alone that nobody may write.
bool mayReplace(const std::string& path, const struct stat& status) {
    if (!S_ISREG(status.st_mode)) {
        errno = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        errno = EACCES;
        return false;
    }
    return access(path.c_str(), W_OK) == 0;
}

bool writeAll(int descriptor, const std::string& contents) {
    size_t done = 0;
    while (done < contents.size()) {
        ssize_t written = write(descriptor, contents.data() + done, contents.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}
}  // namespace

bool replaceFileContents(const std::string& path, const std::string& contents) {
    if (path.empty() || path[0] != '/') {
        errno = EINVAL;
        return false;
    }
    std::string target;
    if (!resolveLinks(path, &target)) {
        return false;
    }
    struct stat status;
    bool replacing = stat(target.c_str(), &status) == 0;
    if (replacing && !mayReplace(target, status)) {
        return false;
    }
    mode_t mode = replacing ? (status.st_mode & 07777) : 0666;

    std::string temporary = target + ".tmp";
    int descriptor =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, mode);
    if (descriptor < 0) {
        return false;
    }
    // A new file gets the usual permissions (the umask applies at creation);
    // a replaced one exactly those it had, whatever a stale temporary held.
    bool written = !replacing || fchmod(descriptor, mode) == 0;
    written = writeAll(descriptor, contents) && written;
    written = fsync(descriptor) == 0 && written;
    written = close(descriptor) == 0 && written;
    if (!written || rename(temporary.c_str(), target.c_str()) != 0) {
        int error = errno;
        unlink(temporary.c_str());
        errno = error;
        return false;
    }
    return true;
}
