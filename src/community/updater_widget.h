// The update window ("Ovilux Updates"): the server's version list below the
// running version, and the community library brought into line with the
// server's community folder. A worker reads the server's lists when the
// window opens; "Update Community Files" starts a second one that removes the
// local-only files and downloads the missing ones. At most one worker runs,
// and the window never goes without joining it: every wait for the server is
// bounded, and the exchange ends within about a second when the window
// closes or "Cancel" is pressed.
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "community/community_cancel.h"
#include "community/community_curl.h"
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

class UpdaterWidget : public QfnImWindow {
public:
    // Shows the window, or makes it (and starts reading the server).
    static void create();
    // The window, or null.
    static UpdaterWidget* instance() { return m_instance; }
    // Cancels and joins the worker and deletes the window (disable, stop).
    static void destroy();

    UpdaterWidget(int left, int top, int right, int bottom, int decoration);
    ~UpdaterWidget() override;

    int state() const { return updateState.load(std::memory_order_acquire); }

    static void getServerFileNames(UpdaterWidget* widget);
    static void getServerFiles(UpdaterWidget* widget);

protected:
    void configureImguiContext() override;
    void buildInterface() override;
    void onHide() override;

private:
    void startWorker(void (*body)(UpdaterWidget*));
    void joinWorker();
    void drawVersionLines();
    void drawButtons(int shown);
    // Log lines a worker left; written here, on the main thread.
    void flushWorkerLog();

    std::string localDir;
    std::thread* worker = nullptr;
    // Ends the running worker's exchange; reset when a worker starts.
    CommunityCancel exchangeCancel;
    // libcurl, loaded when a worker starts; null when this system has none.
    const CurlCalls* curl = nullptr;
    std::atomic<int> updateState{kUpdateNew};
    std::atomic<bool> cancel{false};
    std::vector<std::string> filesToRemove;
    std::vector<std::string> filesToDownload;
    std::vector<std::string> versionLines;
    std::atomic<int> serverCount{0};
    std::atomic<int> localCount{0};
    std::atomic<int> doneCount{0};
    // Files the update skipped (refused by the server, or not stored).
    std::atomic<int> notFetchedCount{0};
    std::string separator = "/";
    std::string errorText;
    // Written by a worker before it publishes its final state.
    std::vector<std::string> workerLog;
    // How many of them were written.
    size_t loggedLines = 0;

    static UpdaterWidget* m_instance;
};
