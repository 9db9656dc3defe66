#include "shell/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int openRegularFile(const std::string& path) {
    if (path.empty()) {
        errno = ENOENT;
        return -1;
    }
    // Non-blocking, so that a pipe with no writer opens at once and can be
    // refused; a check before a blocking open could be raced.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat status;
    int error = 0;
    if (fstat(fd, &status) != 0) {
        error = errno;
    } else if (S_ISDIR(status.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(status.st_mode)) {
        error = kNotARegularFile;
    } else {
        int flags = fcntl(fd, F_GETFL);
        if (flags == -1 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) {
            error = errno;
        }
    }
    if (error != 0) {
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

FILE* openRegularFileStream(const std::string& path) {
    int fd = openRegularFile(path);
    if (fd < 0) {
        return nullptr;
    }
    FILE* file = fdopen(fd, "r");
    if (file == nullptr) {
        int error = errno;
        close(fd);
        errno = error;
    }
    return file;
}

bool readRegularFile(const std::string& path, size_t maxBytes, std::string* contents) {
    contents->clear();
    int fd = openRegularFile(path);
    if (fd < 0) {
        return false;
    }
    char block[65536];
    int error = 0;
    for (;;) {
        ssize_t length = read(fd, block, sizeof(block));
        if (length < 0 && errno == EINTR) {
            continue;
        }
        if (length < 0) {
            error = errno;
            break;
        }
        if (length == 0) {
            break;
        }
        if (static_cast<size_t>(length) > maxBytes - contents->size()) {
            error = EFBIG;
            break;
        }
        contents->append(block, static_cast<size_t>(length));
    }
    close(fd);
    if (error != 0) {
        contents->clear();
        errno = error;
        return false;
    }
    return true;
}

const char* describeReadError(int error) {
    return error == kNotARegularFile ? "not a regular file" : strerror(error);
}
