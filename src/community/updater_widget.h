// The update window ("Ovilux Updates"): the server's version list below the
// running version, and the community library brought into line with the
// server's community folder. A worker reads the server's lists when the
// window opens; "Update Community Files" starts a second one that removes the
// local-only files and downloads the missing ones. At most one worker runs,
// each on the community files' worker (community_worker.h): "Cancel", the
// close box and "Close" ask it to end and return at once, and the frames cut
// its exchange off once the grace has gone by and join it, whether or not the
// window is still there.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "community/community_curl.h"
#include "community/community_worker.h"
#include "libwinkit/qfn_im_window.h"

enum UpdateState {
    kUpdateNew = 0,
    kUpdateReadingLists = 1,
    kUpdateListsReady = 2,
    kUpdateUpdating = 3,
    kUpdateComplete = 4,
    kUpdateCancelled = 5,
    kUpdateError = 6,
};

// What the window's workers read and write. A worker fills the lists and
// texts first and publishes its final state last; the window reads them once
// the worker has finished. It outlives the window while a worker holds it.
struct UpdateJob {
    // libcurl, loaded when a worker starts; null when this system has none.
    const CurlCalls* curl = nullptr;
    std::string localDir;
    std::string separator = "/";
    std::atomic<int> updateState{kUpdateNew};
    std::vector<std::string> filesToRemove;
    std::vector<std::string> filesToDownload;
    std::vector<std::string> versionLines;
    std::atomic<int> serverCount{0};
    std::atomic<int> localCount{0};
    // Files the update skipped (refused by the server, or not stored).
    std::atomic<int> notFetchedCount{0};
    std::string errorText;
};

class UpdaterWidget : public QfnImWindow {
public:
    // Shows the window, or makes it (and starts reading the server).
    static void create();
    // The window, or null.
    static UpdaterWidget* instance() { return m_instance; }
    // Deletes the window, asking its worker to end (disable, stop).
    static void destroy();

    UpdaterWidget(int left, int top, int right, int bottom, int decoration);
    ~UpdaterWidget() override;

    // The state the window shows: a worker's end once it has finished.
    int state() const;

    // The two workers' bodies: the log lines they leave are written on the
    // main thread once they are joined.
    static void getServerFileNames(UpdateJob* job, CommunityWorker* worker,
                                   std::vector<std::string>* log);
    static void getServerFiles(UpdateJob* job, CommunityWorker* worker,
                               std::vector<std::string>* log);

protected:
    void configureImguiContext() override;
    void buildInterface() override;
    void onHide() override;

private:
    using Body = void (*)(UpdateJob*, CommunityWorker*, std::vector<std::string>*);

    void startWorker(Body body, int runningState);
    void drawVersionLines(int shown);
    void drawButtons(int shown);

    std::shared_ptr<UpdateJob> job;
    // The worker now or last running; null before the first.
    std::shared_ptr<CommunityWorker> worker;
    // The state the window shows while the worker runs.
    int runningState = kUpdateNew;

    static UpdaterWidget* m_instance;
};
