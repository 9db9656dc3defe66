// The update window's two workers. Neither calls X-Plane: what they have to
// log waits in their log, which the main thread writes once they are joined.
// Each fills the job's lists and texts first and publishes its final state
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
// What the window keeps of the version list: it is drawn every frame.
const size_t kMaxVersionLines = 200;
const size_t kMaxVersionLineLength = 999;
// Files the update skipped that are named in the log; the rest are counted.
const size_t kMaxSkipLogLines = 20;

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
// out); false when the server would not send it. Reading stops once the
// window has all it keeps. A list cut off once under way shows the lines
// that arrived whole, and *cutOff says why.
bool readVersionLines(CommunityConnection* connection, std::vector<std::string>* lines,
                      bool* cut, std::string* cutOff) {
    std::string line;
    bool full = false;
    auto take = [&](const char* text, size_t length) {
        for (size_t i = 0; i < length && !full; ++i) {
            if (text[i] != '\n') {
                if (line.size() < kMaxVersionLineLength) {
                    line += text[i];
                } else {
                    *cut = true;
                }
                continue;
            }
            if (!line.empty()) {
                if (lines->size() == kMaxVersionLines) {
                    *cut = true;
                    full = true;
                    break;
                }
                lines->push_back(line);
            }
            line.clear();
        }
        return !full;
    };
    CommunityConnection::Outcome outcome = connection->readFile(kVersionList, take);
    if (outcome == CommunityConnection::kDone && !line.empty()) {
        if (lines->size() < kMaxVersionLines) {
            lines->push_back(line);
        } else {
            *cut = true;
        }
    }
    if (outcome == CommunityConnection::kFailed && connection->transferStarted()) {
        *cutOff = connection->failure();
        return true;
    }
    return outcome == CommunityConnection::kDone || outcome == CommunityConnection::kStopped;
}

// The server's listing; false when it could not be read whole.
bool readListing(CommunityConnection* connection, CommunityListing* listing) {
    bool whole = connection->listFolder(kListedFolder, [&](const char* text, size_t length) {
        listing->addRead(text, length);
        return true;
    }) == CommunityConnection::kDone;
    if (whole) {
        listing->finish();
    }
    return whole;
}

// Why the update failed, for the log as the window shows it; the missing
// libcurl was logged with its reasons when the worker started.
void logFailure(const std::string& error, std::vector<std::string>* log) {
    if (error != kNoCurlMessage) {
        log->push_back(error);
    }
}

// The message of a failed server step: the connection's and the login's
// own, or the step's.
std::string stepFailure(const CommunityConnection& connection, const char* stepError) {
    switch (connection.failedStep()) {
        case CommunityConnection::kConnecting:
            return kConnectError + connection.failure();
        case CommunityConnection::kLoggingIn:
            return kLoginError + connection.failure();
        default:
            return stepError + connection.failure();
    }
}
}  // namespace

void UpdaterWidget::getServerFileNames(UpdateJob* job, CommunityWorker* worker,
                                       std::vector<std::string>* log) {
    BrokenPipeGuard brokenPipeGuard;
    std::vector<std::string> versions;
    std::vector<std::string> toRemove;
    std::vector<std::string> toDownload;
    std::string error;
    CommunityListing listing(job->localDir.size(), libraryNameMax(job->localDir));
    bool listed = false;
    bool versionsCut = false;
    std::string versionsCutOff;

    if (job->curl == nullptr) {
        error = kNoCurlMessage;
    } else {
        // Connecting and logging in are the version list's first steps.
        CommunityConnection connection(job->curl, worker->exchange());
        if (!readVersionLines(&connection, &versions, &versionsCut, &versionsCutOff)) {
            error = stepFailure(connection, kVersionsError);
        } else {
            listed = readListing(&connection, &listing);
            if (!listed) {
                error = stepFailure(connection, kListingError);
            }
        }
    }
    // The files the library would keep: names that differ only in case are one.
    job->serverCount.store(static_cast<int>(listing.names().size()),
                              std::memory_order_release);
    if (!versionsCutOff.empty()) {
        log->push_back("The Ovilux version list was cut off: " + versionsCutOff);
    }
    if (versionsCut) {
        log->push_back("Only the first " + std::to_string(kMaxVersionLines) +
                                    " lines of the Ovilux version list, each cut at " +
                                    std::to_string(kMaxVersionLineLength) +
                                    " characters, are shown");
    }
    if (listing.skippedLines() > 0) {
        log->push_back("Skipped " + std::to_string(listing.skippedLines()) +
                                    " names in the community server's listing that are not "
                                    "plain file names the library folder can hold");
    }

    std::map<std::string, std::string> local = localFiles(job->localDir);
    job->localCount.store(static_cast<int>(local.size()), std::memory_order_release);
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
            if (server.find(entry.first) == server.end() &&
                listing.keptKeys().count(entry.first) == 0) {
                toRemove.push_back(entry.second);
            }
        }
    }
    job->versionLines = versions;
    job->filesToRemove = toRemove;
    job->filesToDownload = toDownload;
    // Closing the window cancels the reading; what failed then is no error.
    bool cancelled = worker->cancelRequested();
    job->errorText = cancelled ? std::string() : error;
    int state = cancelled ? kUpdateCancelled : kUpdateListsReady;
    if (!job->errorText.empty()) {
        state = kUpdateError;
        logFailure(job->errorText, log);
    }
    job->updateState.store(state, std::memory_order_release);
}

void UpdaterWidget::getServerFiles(UpdateJob* job, CommunityWorker* worker,
                                   std::vector<std::string>* log) {
    BrokenPipeGuard brokenPipeGuard;
    std::string error;
    // Why each file that was skipped was.
    std::vector<std::string> skipped;
    bool cutByCancel = false;
    int done = 0;
    worker->setProgress(done);
    const std::string& folder = job->localDir;

    for (const std::string& name : job->filesToRemove) {
        if (worker->cancelRequested()) {
            break;
        }
        std::string path = folder + job->separator + name;
        // Only a file the comparison found, and still a regular file.
        if (path.size() <= 1999 && isRegularFile(path)) {
            unlink(path.c_str());
        }
        worker->setProgress(++done);
    }

    if (!worker->cancelRequested() && !job->filesToDownload.empty()) {
        if (job->curl == nullptr) {
            error = kNoCurlMessage;
        } else if (folder.empty()) {
            error = "Unable to create the community file folder";
        } else if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
            error = "Unable to create the community file folder " + folder;
        } else {
            CommunityConnection connection(job->curl, worker->exchange());
            for (const std::string& name : job->filesToDownload) {
                if (worker->cancelRequested()) {
                    break;
                }
                std::string remote = std::string(kCommunityFolder) + name;
                std::string localError;
                DownloadOutcome outcome =
                    downloadCommunityFile(&connection, remote, folder, name, &localError);
                if (outcome == DownloadOutcome::kStored) {
                    worker->setProgress(++done);
                } else if (outcome == DownloadOutcome::kNotStored) {
                    // The next file may well fit where this one did not.
                    skipped.push_back("Unable to store aircraft file, " + name +
                                      ", in the community file folder, error: " + localError);
                } else if (outcome == DownloadOutcome::kRefused) {
                    // Deleted since the listing, say: the others are there.
                    skipped.push_back("Unable to get aircraft file, " + name +
                                      ", from the community server, error: " +
                                      connection.failure());
                } else if (outcome == DownloadOutcome::kTooLarge) {
                    skipped.push_back("Unable to get aircraft file, " + name +
                                      ", from the community server, error: the file is larger "
                                      "than 8 MB (" + std::to_string(kMaxCommunityFileBytes) +
                                      " bytes), more than any camera file holds");
                } else if (outcome == DownloadOutcome::kCancelled) {
                    cutByCancel = true;
                    break;
                } else {
                    // Connecting and logging in are the first download's steps.
                    std::string step = "Unable to get aircraft file, " + name +
                                       ", from the community server, error: ";
                    error = stepFailure(connection, step.c_str());
                    break;
                }
            }
        }
    }

    for (size_t i = 0; i < skipped.size() && i < kMaxSkipLogLines; ++i) {
        log->push_back(skipped[i]);
    }
    if (skipped.size() > kMaxSkipLogLines) {
        log->push_back(std::to_string(skipped.size() - kMaxSkipLogLines) +
                                    " more community files could not be fetched");
    }
    job->notFetchedCount.store(static_cast<int>(skipped.size()), std::memory_order_release);

    int state = kUpdateCancelled;
    bool cancelled = worker->cancelRequested();
    if (!cancelled) {
        state = kUpdateComplete;
        requestCommunityFileCacheUpdate();
    }
    // A transfer the cancel cut off is no error.
    if (!error.empty() && !(cancelled && cutByCancel)) {
        state = kUpdateError;
    }
    job->errorText = state == kUpdateError ? error : std::string();
    if (state == kUpdateError) {
        logFailure(error, log);
    }
    job->updateState.store(state, std::memory_order_release);
}
