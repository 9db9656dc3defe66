#include "community/community_download.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace {
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
}  // namespace

bool downloadCommunityFile(CommunityConnection* connection, const std::string& remotePath,
                           const std::string& folder, const std::string& name) {
    std::string target = folder + "/" + name;
    std::vector<char> temporary(folder.begin(), folder.end());
    const char pattern[] = "/.download_XXXXXX";
    temporary.insert(temporary.end(), pattern, pattern + sizeof(pattern));
    int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    netbuf* data = openCommunityData(connection, remotePath.c_str(), FTPLIB_FILE_READ);
    if (data == nullptr) {
        close(fd);
        unlink(temporary.data());
        return false;
    }
    bool written = true;
    char chunk[8192];
    int length = 0;
    while ((length = readCommunityData(connection, data, chunk, sizeof(chunk))) > 0) {
        written = written && writeAll(fd, chunk, static_cast<size_t>(length));
    }
    bool completed = closeCommunityData(connection, data);
    // On disk before it takes the name of a good file.
    written = written && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!(written && completed) || rename(temporary.data(), target.c_str()) != 0) {
        unlink(temporary.data());
        return false;
    }
    return true;
}
