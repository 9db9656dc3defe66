#include "community/updater_widget.h"

#include <imgui.h>

#include <cstdio>
#include <exception>

#include "community/data_cache.h"
#include "libwinkit/font_file.h"
#include "libwinkit/window_placement.h"
#include "shell/clipboard.h"
#include "shell/host_info.h"
#include "shell/log.h"
#include "shell/settings.h"

UpdaterWidget* UpdaterWidget::m_instance = nullptr;

namespace {
const char* const kCopyHint =
    "Use the Copy Button to copy the URL to the clip board and then paste it into your browser";
}  // namespace

void UpdaterWidget::create() {
    if (m_instance != nullptr) {
        m_instance->SetVisible(true);
        return;
    }
    ImGuiContext* kept = ImGui::GetCurrentContext();
    PanelRect r = newPanelRect(700, 350);
    m_instance = new UpdaterWidget(r.left, r.top, r.right, r.bottom, 1);
    m_instance->init();
    m_instance->center();
    m_instance->SetVisible(true);
    ImGui::SetCurrentContext(kept);
}

void UpdaterWidget::destroy() { delete m_instance; }

UpdaterWidget::UpdaterWidget(int left, int top, int right, int bottom, int decoration)
    : QfnImWindow(left, top, right, bottom, decoration) {
    SetWindowTitle("Ovilux Updates");
    localDir = getCommunityAircraftCameraDirectoryName();
    startWorker(getServerFileNames);
}

UpdaterWidget::~UpdaterWidget() {
    cancel.store(true, std::memory_order_release);
    // The worker's exchange ends within the cancel's grace, so this join is
    // bounded whatever the server does.
    if (worker != nullptr) {
        exchangeCancel.end([this] {
            int running = state();
            return running != kUpdateReadingLists && running != kUpdateUpdating;
        });
    }
    joinWorker();
    flushWorkerLog();
    filesToRemove.clear();
    filesToDownload.clear();
    versionLines.clear();
    if (m_instance == this) {
        m_instance = nullptr;
    }
}

void UpdaterWidget::startWorker(void (*body)(UpdaterWidget*)) {
    // Published before the worker runs: no frame reads the lists it fills.
    updateState.store(body == getServerFileNames ? kUpdateReadingLists : kUpdateUpdating,
                      std::memory_order_release);
    exchangeCancel.reset();
    std::string why;
    curl = loadCommunityCurl(&why);
    if (curl == nullptr) {
        logMsg(kNoCurlMessage);
        sLogMsg("libcurl: %s", why.c_str());
    }
    try {
        worker = new std::thread(body, this);
    } catch (const std::exception& error) {
        errorText = std::string("Unable to start the update: ") + error.what();
        updateState.store(kUpdateError, std::memory_order_release);
    }
}

void UpdaterWidget::joinWorker() {
    if (worker != nullptr) {
        worker->join();
        delete worker;
        worker = nullptr;
    }
}

void UpdaterWidget::flushWorkerLog() {
    for (; loggedLines < workerLog.size(); ++loggedLines) {
        logMsg(workerLog[loggedLines].c_str());
    }
}

void UpdaterWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"),
                getSettings()->USE_SMALL_FONT ? 14.0f : 18.0f);
}

void UpdaterWidget::onHide() {
    // Closed by its box: the flight loop touches nothing of it after this.
    delete this;
}

void UpdaterWidget::drawVersionLines() {
    ImGui::Text("Your are currently running Ovilux %s", getVersionString());
    ImGui::TextUnformatted("");
    // Filled by the worker; read only once it has published its end.
    int shown = state();
    if (shown == kUpdateNew || shown == kUpdateReadingLists) {
        return;
    }
    for (size_t i = 0; i < versionLines.size(); ++i) {
        const std::string& line = versionLines[i];
        bool hasAddress = line.find("https://") != std::string::npos;
        // A line out of view takes its place without being laid out.
        ImVec2 row(1.0f, hasAddress ? ImGui::GetFrameHeight() : ImGui::GetTextLineHeight());
        if (!ImGui::IsRectVisible(row)) {
            ImGui::Dummy(row);
            continue;
        }
        if (hasAddress) {
            char id[32];
            snprintf(id, sizeof(id), "Copy##Copy_%d", static_cast<int>(i));
            if (ImGui::Button(id)) {
                setClipboard(line);
            }
            ImGui::SameLine();
            HelpMarker(kCopyHint);
            ImGui::SameLine();
        }
        ImGui::TextUnformatted(line.c_str());
    }
    if (!versionLines.empty()) {
        ImGui::TextUnformatted("");
    }
}

void UpdaterWidget::buildInterface() {
    int shown = state();
    if (shown != kUpdateReadingLists && shown != kUpdateUpdating) {
        // The worker has published its end: it goes now.
        joinWorker();
        flushWorkerLog();
    } else {
        // After "Cancel", the exchange is cut off once its grace is over.
        exchangeCancel.cutOffWhenDue();
    }
    if (shown <= kUpdateListsReady) {
        drawVersionLines();
        ImGui::Text("Community Aircraft Files Server Count: %d",
                    serverCount.load(std::memory_order_acquire));
        ImGui::Text("Community Aircraft Files Local Count: %d",
                    localCount.load(std::memory_order_acquire));
        if (shown == kUpdateListsReady) {
            ImGui::TextUnformatted("");
            ImGui::Text("Local Files to be Removed: %d", static_cast<int>(filesToRemove.size()));
            ImGui::Text("Server Files to be Downloaded: %d",
                        static_cast<int>(filesToDownload.size()));
        }
    } else if (shown == kUpdateUpdating) {
        int total = static_cast<int>(filesToRemove.size() + filesToDownload.size());
        int done = doneCount.load(std::memory_order_acquire);
        char overlay[32];
        snprintf(overlay, sizeof(overlay), "%d/%d", done, total);
        ImGui::TextUnformatted("Updating Local Community Aircraft Files...");
        ImGui::ProgressBar(total > 0 ? static_cast<float>(done) / total : 0.0f, ImVec2(-1, 0),
                           overlay);
    } else if (shown == kUpdateComplete) {
        ImGui::TextUnformatted("Update Complete");
        int notFetched = notFetchedCount.load(std::memory_order_acquire);
        if (notFetched > 0) {
            // The log names each and says why.
            ImGui::Text("Server Files not Downloaded: %d", notFetched);
        }
    } else if (shown == kUpdateCancelled) {
        ImGui::TextUnformatted("Update Canceled");
    } else {
        ImGui::TextWrapped("Update Error: %s", errorText.c_str());
    }
    drawButtons(shown);
}

void UpdaterWidget::drawButtons(int shown) {
    if (shown == kUpdateNew || shown == kUpdateReadingLists) {
        return;
    }
    ImVec2 size = ImGui::GetWindowSize();
    if (shown == kUpdateListsReady && !(filesToRemove.empty() && filesToDownload.empty())) {
        ImGui::SetCursorPos(ImVec2(size.x - 250, size.y - 40));
        if (ImGui::Button("Update Community Files")) {
            startWorker(getServerFiles);
            return;
        }
    }
    ImGui::SetCursorPos(ImVec2(size.x - 70, size.y - 40));
    if (shown == kUpdateUpdating) {
        if (ImGui::Button("Cancel")) {
            // The file under way may finish within the cancel's grace.
            cancel.store(true, std::memory_order_release);
            exchangeCancel.request();
        }
    } else if (ImGui::Button("Close")) {
        SafeDelete();
    }
}
