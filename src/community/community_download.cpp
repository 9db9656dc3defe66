#include "community/community_download.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

#include "cameras/files/camera_columns.h"
#include "cameras/set/camera.h"

namespace {
const int kNameAttempts = 100;

// A full set: the header and every row, each at the longest line and a CR LF.
static_assert(static_cast<size_t>((1 + kMaxCategories * kMaxCamerasPerCategory) *
                                  (kMaxCameraFileLine + 2)) <
                  kMaxCommunityFileBytes,
              "a full camera set must fit the download bound");

bool writeAll(int fd, const char* data, size_t length) {
    while (length > 0) {
        ssize_t written = write(fd, data, length);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        length -= static_cast<size_t>(written);
    }
    return true;
}

// A new file of a name no other has, made with mode 0666 so that the umask
// decides its permissions as it does for every other file (mkostemp would
// make it 0600); -1 with errno set when none could be made.
int createTemporary(const std::string& folder, std::string* path) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::minstd_rand pick(static_cast<unsigned>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        reinterpret_cast<uintptr_t>(path)));
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        *path = folder + "/.download_";
        for (int i = 0; i < 6; ++i) {
            *path += kLetters[pick() % (sizeof(kLetters) - 1)];
        }
        int fd = open(path->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}
}  // namespace

DownloadOutcome downloadCommunityFile(CommunityConnection* connection,
                                      const std::string& remotePath, const std::string& folder,
                                      const std::string& name, std::string* localError) {
    std::string target = folder + "/" + name;
    std::string temporary;
    int fd = createTemporary(folder, &temporary);
    if (fd < 0) {
        *localError = strerror(errno);
        return DownloadOutcome::kNotStored;
    }
    int writeError = 0;
    size_t written = 0;
    bool tooLarge = false;
    CommunityConnection::Outcome outcome =
        connection->readFile(remotePath, [&](const char* text, size_t length) {
            if (length > kMaxCommunityFileBytes - written) {
                tooLarge = true;
                return false;
            }
            written += length;
            if (!writeAll(fd, text, length)) {
                writeError = errno != 0 ? errno : EIO;
                return false;
            }
            return true;
        });
    bool completed = outcome == CommunityConnection::kDone;
    // On disk before it takes the name of a good file.
    if (completed && fsync(fd) != 0) {
        writeError = errno;
    }
    if (close(fd) != 0 && completed && writeError == 0) {
        writeError = errno;
    }
    if (completed && writeError == 0 && rename(temporary.c_str(), target.c_str()) != 0) {
        writeError = errno;
    }
    if (completed && writeError == 0) {
        return DownloadOutcome::kStored;
    }
    unlink(temporary.c_str());
    if (writeError != 0) {
        *localError = strerror(writeError);
        return DownloadOutcome::kNotStored;
    }
    if (outcome == CommunityConnection::kCancelled) {
        return DownloadOutcome::kCancelled;
    }
    if (tooLarge) {
        return DownloadOutcome::kTooLarge;
    }
    return connection->fileRefused() ? DownloadOutcome::kRefused : DownloadOutcome::kServerFailed;
}
