// The update window's two workers. Neither calls X-Plane: what they have to
// log waits in the window's workerLog, which the main thread writes. Each
// fills the window's lists and texts first and publishes its final state
// last, once, so a frame never sees a state before its results.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <map>

#include "community/community_connection.h"
#include "community/community_download.h"
#include "community/community_file_names.h"
#include "community/community_listing.h"
#include "community/community_server.h"
#include "community/updater_widget.h"
#include "shell/broken_pipe_guard.h"
#include "shell/plugin_state.h"

namespace {
const char* const kConnectError = "Unable to connect to the community file server: ";
const char* const kLoginError = "Unable to authenticate on the community file server, error: ";
const char* const kVersionsError = "Unable to retrieve the Ovilux version list: ";
const char* const kListingError = "Unable to retrieve the list of community file, error: ";
const char* const kVersionList = "Ovilux/Versions.txt";
const char* const kListedFolder = "Ovilux/CommunityFiles";
// One line of the version list a read, as ftplib's ASCII reads hand it over.
const int kLineSize = 2001;
// What the window keeps of the version list: it is drawn every frame.
const size_t kMaxVersionLines = 200;
const size_t kMaxVersionLineLength = 999;

std::string upperCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool isRegularFile(const std::string& path) {
    struct stat status;
    return lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// The regular files directly in the folder, keyed by their upper-case names;
// anything else (folders, links, names no library file may have) is left out.
std::map<std::string, std::string> localFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    DIR* directory = folder.empty() ? nullptr : opendir(folder.c_str());
    if (directory == nullptr) {
        return files;
    }
    while (struct dirent* entry = readdir(directory)) {
        if (isPlainCommunityFileName(entry->d_name) &&
            isRegularFile(folder + "/" + entry->d_name)) {
            files.emplace(upperCase(entry->d_name), entry->d_name);
        }
    }
    closedir(directory);
    return files;
}

// The longest file name the library folder takes; its file system decides
// (the plug-in's folder's when the library is not made yet).
size_t libraryNameMax(const std::string& folder) {
    long longest = pathconf(folder.c_str(), _PC_NAME_MAX);
    if (longest <= 0 && folder.find('/') != std::string::npos) {
        longest = pathconf(folder.substr(0, folder.rfind('/')).c_str(), _PC_NAME_MAX);
    }
    return longest > 0 ? static_cast<size_t>(longest) : NAME_MAX;
}

// The version list's non-empty lines, at most kMaxVersionLines of at most
// kMaxVersionLineLength characters (*cut tells whether anything was left
// out); false when the server would not send it whole.
bool readVersionLines(CommunityConnection* connection, std::vector<std::string>* lines,
                      bool* cut) {
    netbuf* data = openCommunityData(connection, kVersionList, FTPLIB_FILE_READ);
    if (data == nullptr) {
        return false;
    }
    // A read ends at a line's end or when the buffer is full: a long line
    // comes in pieces.
    char piece[kLineSize];
    std::string line;
    int length = 0;
    while ((length = readCommunityData(connection, data, piece, sizeof(piece) - 1)) > 0) {
        std::string text(piece, static_cast<size_t>(length));
        bool ended = text.back() == '\n';
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
            text.pop_back();
        }
        size_t room = kMaxVersionLineLength - line.size();
        *cut = *cut || text.size() > room;
        line += text.substr(0, room);
        if (ended && !line.empty()) {
            if (lines->size() == kMaxVersionLines) {
                *cut = true;
                break;
            }
            lines->push_back(line);
        }
        if (ended) {
            line.clear();
        }
    }
    if (!line.empty() && lines->size() < kMaxVersionLines) {
        lines->push_back(line);
    }
    // Left early, the server's reply is about the transfer cut off.
    closeCommunityData(connection, data);
    return !connection->watchdog->expired();
}

// The server's listing; false, with the reason in *why, when it could not be
// read whole.
bool readListing(CommunityConnection* connection, CommunityListing* listing, std::string* why) {
    netbuf* data = openCommunityData(connection, kListedFolder, FTPLIB_DIR);
    if (data == nullptr) {
        *why = communityServerReply(*connection);
        return false;
    }
    char chunk[kLineSize];
    int length = 0;
    while ((length = readCommunityData(connection, data, chunk, sizeof(chunk) - 1)) > 0) {
        listing->addRead(chunk, static_cast<size_t>(length));
    }
    // A listing whose end the server never confirmed may have been cut off.
    if (!closeCommunityData(connection, data)) {
        *why = communityServerReply(*connection);
        if (why->empty()) {
            *why = "the listing was cut off";
        }
        return false;
    }
    return true;
}

std::string connectFailure(const CommunityConnection& connection) {
    return kConnectError + communityServerReply(connection);
}
}  // namespace

void UpdaterWidget::getServerFileNames(UpdaterWidget* widget) {
    BrokenPipeGuard brokenPipeGuard;
    CommunityWatchdog* watchdog = widget->watchdog.get();
    std::vector<std::string> versions;
    std::vector<std::string> toRemove;
    std::vector<std::string> toDownload;
    std::string error;
    CommunityListing listing(widget->localDir.size(), libraryNameMax(widget->localDir));
    bool listed = false;
    bool versionsCut = false;

    CommunityConnection connection(watchdog);
    if (!openCommunityConnection(&connection)) {
        error = connectFailure(connection);
    } else if (!loginCommunityConnection(&connection)) {
        error = kLoginError + communityServerReply(connection);
    } else if (!readVersionLines(&connection, &versions, &versionsCut)) {
        error = kVersionsError + communityServerReply(connection);
    } else {
        std::string why;
        listed = readListing(&connection, &listing, &why);
        if (!listed) {
            error = kListingError + why;
        }
    }
    closeCommunityConnection(&connection);
    widget->serverCount.store(listing.acceptedLines(), std::memory_order_release);
    if (versionsCut) {
        widget->workerLog.push_back("Only the first " + std::to_string(kMaxVersionLines) +
                                    " lines of the Ovilux version list, each cut at " +
                                    std::to_string(kMaxVersionLineLength) +
                                    " characters, are shown");
    }
    if (listing.skippedLines() > 0) {
        widget->workerLog.push_back("Skipped " + std::to_string(listing.skippedLines()) +
                                    " names in the community server's listing that are not "
                                    "plain file names the library folder can hold");
    }

    std::map<std::string, std::string> local = localFiles(widget->localDir);
    widget->localCount.store(static_cast<int>(local.size()), std::memory_order_release);
    // An empty listing is no reason to empty the library.
    if (listed && listing.names().empty() && !local.empty()) {
        listed = false;
        error = std::string(kListingError) + "the server listed no community file";
    }
    if (listed) {
        const std::map<std::string, std::string>& server = listing.names();
        for (const auto& entry : server) {
            if (local.find(entry.first) == local.end()) {
                toDownload.push_back(entry.second);
            }
        }
        for (const auto& entry : local) {
            if (server.find(entry.first) == server.end()) {
                toRemove.push_back(entry.second);
            }
        }
    }
    widget->versionLines = versions;
    widget->filesToRemove = toRemove;
    widget->filesToDownload = toDownload;
    // Closing the window cancels the reading; what failed then is no error.
    bool cancelled = widget->cancel.load(std::memory_order_acquire);
    widget->errorText = cancelled ? std::string() : error;
    int state = cancelled ? kUpdateCancelled : kUpdateListsReady;
    if (!widget->errorText.empty()) {
        state = kUpdateError;
    }
    widget->cancel.store(false, std::memory_order_release);
    widget->updateState.store(state, std::memory_order_release);
}

void UpdaterWidget::getServerFiles(UpdaterWidget* widget) {
    BrokenPipeGuard brokenPipeGuard;
    CommunityWatchdog* watchdog = widget->watchdog.get();
    std::string error;
    widget->doneCount.store(0, std::memory_order_release);
    const std::string& folder = widget->localDir;

    for (const std::string& name : widget->filesToRemove) {
        if (widget->cancel.load(std::memory_order_acquire)) {
            break;
        }
        std::string path = folder + widget->separator + name;
        // Only a file the comparison found, and still a regular file.
        if (path.size() <= 1999 && isRegularFile(path)) {
            unlink(path.c_str());
        }
        widget->doneCount.fetch_add(1, std::memory_order_release);
    }

    if (!widget->cancel.load(std::memory_order_acquire) && !widget->filesToDownload.empty()) {
        CommunityConnection connection(watchdog);
        if (folder.empty()) {
            error = "Unable to create the community file folder";
        } else if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
            error = "Unable to create the community file folder " + folder;
        } else if (!openCommunityConnection(&connection)) {
            error = connectFailure(connection);
        } else if (!loginCommunityConnection(&connection)) {
            error = kLoginError + communityServerReply(connection);
        } else {
            for (const std::string& name : widget->filesToDownload) {
                if (widget->cancel.load(std::memory_order_acquire)) {
                    break;
                }
                std::string remote = std::string(kCommunityFolder) + name;
                std::string localError;
                DownloadOutcome outcome =
                    downloadCommunityFile(&connection, remote, folder, name, &localError);
                if (outcome == DownloadOutcome::kStored) {
                    widget->doneCount.fetch_add(1, std::memory_order_release);
                } else if (outcome == DownloadOutcome::kNotStored) {
                    // The next file may well fit where this one did not.
                    std::string failure = "Unable to store aircraft file, " + name +
                                          ", in the community file folder, error: " + localError;
                    widget->workerLog.push_back(failure);
                    if (error.empty()) {
                        error = failure;
                    }
                } else {
                    error = "Unable to get aircraft file, " + name +
                            ", from the community server, error: " +
                            communityServerReply(connection);
                    break;
                }
            }
        }
        closeCommunityConnection(&connection);
    }

    int state = kUpdateCancelled;
    bool cancelled = widget->cancel.load(std::memory_order_acquire);
    if (!cancelled) {
        state = kUpdateComplete;
        requestCommunityFileCacheUpdate();
    }
    // A transfer the cancel cut off is no error.
    if (!error.empty() && !(cancelled && watchdog->expired())) {
        state = kUpdateError;
    }
    widget->errorText = state == kUpdateError ? error : std::string();
    widget->cancel.store(false, std::memory_order_release);
    widget->updateState.store(state, std::memory_order_release);
}
