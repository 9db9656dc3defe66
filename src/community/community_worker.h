// The one way the community files run work off the main thread: a share, the
// update window's reading of the server and its update, and the reading of
// the library each run on a CommunityWorker. The main thread starts it, reads
// its progress, asks it to end, sees that it has finished, and joins it only
// then; it never sleeps on a worker nor joins one that runs. A cancel asks and
// returns at once: the step under way gets the exchange's grace, and a later
// frame cuts the exchange off (its sockets shut) once the grace has gone by.
// The module's own flight loop does that and the joining, every frame while
// workers exist, whoever started them: a window may go while its worker ends.
// The exchanges make that loop; the library's reading, which only ever
// finishes by itself, is joined by it when there is one, by the camera
// control's flight loop, or at the stop.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "community/community_cancel.h"

class CommunityWorker {
public:
    // Runs on the worker's thread; what it writes is the main thread's once
    // finished() is true.
    using Body = std::function<void(CommunityWorker& self)>;
    // Runs on the main thread once the worker has been joined.
    using WhenJoined = std::function<void(CommunityWorker& self)>;

    // Main thread: body on a thread of its own; null, with *error, when no
    // thread could be started.
    static std::shared_ptr<CommunityWorker> start(Body body, WhenJoined whenJoined,
                                                  std::string* error);
    ~CommunityWorker();
    CommunityWorker(const CommunityWorker&) = delete;
    CommunityWorker& operator=(const CommunityWorker&) = delete;

    // The body: how far it has got, for the frames to show.
    void setProgress(int done) { progress.store(done, std::memory_order_release); }
    int progressDone() const { return progress.load(std::memory_order_acquire); }
    // The exchange the body runs: its cancel, and the sockets it holds.
    CommunityCancel* exchange() { return &cancel; }

    // Main thread: asks the worker to end and returns at once.
    void requestCancel() { cancel.request(); }
    bool cancelRequested() const { return cancel.requested(); }
    // The body has returned and published what it wrote.
    bool finished() const { return done.load(std::memory_order_acquire); }

private:
    friend void serviceCommunityWorkers();
    friend void cutOffCommunityWorkers();
    friend void joinCommunityWorkersForUnload();

    CommunityWorker() = default;
    void run();
    // Main thread, once finished() (or at the unload): joins the thread and
    // runs whenJoined.
    void join();

    Body body;
    WhenJoined whenJoined;
    CommunityCancel cancel;
    std::atomic<int> progress{0};
    std::atomic<bool> done{false};
    std::thread thread;
};

// Main thread: makes this module's flight loop, which then services the
// workers every frame while any exist (an exchange's start calls it).
void serviceCommunityWorkersEachFrame();
// Main thread, every frame (this module's flight loop, and the camera
// control's): cuts off each exchange whose grace after a cancel has gone by,
// and joins each finished worker.
void serviceCommunityWorkers();
// XPluginDisable: every exchange is asked to end and cut off at once, since
// a disabled plug-in runs no later frame to do it on; returns without
// waiting. The workers end by themselves and are joined on a frame after the
// next enable, or at the stop.
void cutOffCommunityWorkers();
// XPluginStop, before the module is unloaded: every exchange cut off, then
// each worker waited for and joined. The cut ends every wait on the server,
// so only the library's reading (local files) can take longer.
void joinCommunityWorkersForUnload();
// Workers started and not yet finished.
int runningCommunityWorkers();
// Workers started and not yet joined.
int heldCommunityWorkers();
