// A folder tree read and filtered on a worker thread, so that a large tree
// never holds up X-Plane's main thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "libwinkit/directory_populate_status.h"
#include "libwinkit/file_directory.h"

class DirectoryScan {
public:
    DirectoryScan() = default;
    // Cancels a running scan and waits for its worker.
    ~DirectoryScan();
    DirectoryScan(const DirectoryScan&) = delete;
    DirectoryScan& operator=(const DirectoryScan&) = delete;

    // Stops any running scan and drops its tree, then reads the folder at
    // `rootPath` (ending with "/") on a worker that filters the tree with
    // `upperFilter` when done.
    void start(const std::string& rootPath, const std::string& upperFilter);
    // Asks a running scan to stop before its next entry; does not wait.
    void cancel();
    // cancel(), then waits for the worker. The tree read so far stays.
    void stop();
    // stop(), then drops the tree: as before the first scan.
    void clear();

    // True once the worker has finished, and before the first scan: only then
    // may the tree be touched.
    bool finished() const;
    // Files found so far; readable at any time.
    uint32_t fileCount() const;
    // The finished scan's tree; null while the worker runs and before any scan.
    FileDirectory* tree();
    // The finished scan's root folder could not be opened.
    bool rootUnreadable() const;

private:
    void run(std::string upperFilter);

    DirctoryPopulateStatus status;
    std::unique_ptr<FileDirectory> root;
    std::thread worker;
    // Cleared before the worker starts; set by the worker last (release), after
    // the tree and its filter are complete; read with acquire.
    std::atomic<bool> done{true};
};
