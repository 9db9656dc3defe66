#include "libwinkit/directory_scan.h"

#include <system_error>

#include "shell/log.h"

DirectoryScan::~DirectoryScan() { stop(); }

void DirectoryScan::start(const std::string& rootPath, const std::string& upperFilter) {
    stop();
    root = std::make_unique<FileDirectory>(rootPath);
    status.reset();
    done.store(false, std::memory_order_relaxed);
    try {
        worker = std::thread(&DirectoryScan::run, this, upperFilter);
    } catch (const std::system_error& error) {
        sLogMsg("File selector: unable to start the folder scan: %s", error.what());
        done.store(true, std::memory_order_release);
    }
}

void DirectoryScan::cancel() { status.cancel.store(true, std::memory_order_relaxed); }

void DirectoryScan::stop() {
    // Without the flag, joining a scan of "/" would hold X-Plane for minutes.
    cancel();
    if (worker.joinable()) {
        worker.join();
        status.logLeftOut();
    }
}

void DirectoryScan::clear() {
    stop();
    root.reset();
    status.reset();
}

bool DirectoryScan::finished() const { return done.load(std::memory_order_acquire); }

uint32_t DirectoryScan::fileCount() const {
    return status.fileCount.load(std::memory_order_relaxed);
}

FileDirectory* DirectoryScan::tree() {
    if (!finished()) {
        return nullptr;
    }
    if (worker.joinable()) {
        worker.join();  // the worker has nothing left to do but return
        status.logLeftOut();
    }
    return root.get();
}

bool DirectoryScan::rootUnreadable() const {
    return finished() && status.rootUnreadable.load(std::memory_order_relaxed);
}

void DirectoryScan::run(std::string upperFilter) {
    root->populate(status);
    root->filter(upperFilter);
    done.store(true, std::memory_order_release);
}
