#include "community/updater_widget.h"

#include <imgui.h>

#include <cstdio>

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
    : QfnImWindow(left, top, right, bottom, decoration), job(std::make_shared<UpdateJob>()) {
    SetWindowTitle("Ovilux Updates");
    job->localDir = getCommunityAircraftCameraDirectoryName();
    startWorker(getServerFileNames, kUpdateReadingLists);
}

UpdaterWidget::~UpdaterWidget() {
    // The worker ends by itself once asked; the frames join it.
    if (worker != nullptr) {
        worker->requestCancel();
    }
    if (m_instance == this) {
        m_instance = nullptr;
    }
}

int UpdaterWidget::state() const {
    if (worker != nullptr && !worker->finished()) {
        return runningState;
    }
    return job->updateState.load(std::memory_order_acquire);
}

void UpdaterWidget::startWorker(Body body, int running) {
    runningState = running;
    std::string why;
    job->curl = loadCommunityCurl(&why);
    if (job->curl == nullptr) {
        logMsg(kNoCurlMessage);
        sLogMsg("libcurl: %s", why.c_str());
    }
    std::shared_ptr<UpdateJob> shared = job;
    std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
    std::string error;
    // Its end is joined and logged whether or not the window is still open.
    serviceCommunityWorkersEachFrame();
    std::shared_ptr<CommunityWorker> started = CommunityWorker::start(
        [shared, log, body](CommunityWorker& self) { body(shared.get(), &self, log.get()); },
        [log](CommunityWorker&) {
            for (const std::string& line : *log) {
                logMsg(line.c_str());
            }
        },
        &error);
    if (started == nullptr) {
        job->errorText = "Unable to start the update: " + error;
        sLogMsg("%s", job->errorText.c_str());
        job->updateState.store(kUpdateError, std::memory_order_release);
        worker = nullptr;
        return;
    }
    worker = started;
}

void UpdaterWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"),
                getSettings()->USE_SMALL_FONT ? 14.0f : 18.0f);
}

void UpdaterWidget::onHide() {
    // Closed by its box: the flight loop touches nothing of it after this.
    delete this;
}

void UpdaterWidget::drawVersionLines(int shown) {
    ImGui::Text("Your are currently running Ovilux %s", getVersionString());
    ImGui::TextUnformatted("");
    // Filled by the worker; read only once it has finished.
    if (shown == kUpdateNew || shown == kUpdateReadingLists) {
        return;
    }
    const std::vector<std::string>& versionLines = job->versionLines;
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
    if (shown <= kUpdateListsReady) {
        drawVersionLines(shown);
        ImGui::Text("Community Aircraft Files Server Count: %d",
                    job->serverCount.load(std::memory_order_acquire));
        ImGui::Text("Community Aircraft Files Local Count: %d",
                    job->localCount.load(std::memory_order_acquire));
        if (shown == kUpdateListsReady) {
            ImGui::TextUnformatted("");
            ImGui::Text("Local Files to be Removed: %d",
                        static_cast<int>(job->filesToRemove.size()));
            ImGui::Text("Server Files to be Downloaded: %d",
                        static_cast<int>(job->filesToDownload.size()));
        }
    } else if (shown == kUpdateUpdating) {
        int total = static_cast<int>(job->filesToRemove.size() + job->filesToDownload.size());
        int done = worker != nullptr ? worker->progressDone() : 0;
        char overlay[32];
        snprintf(overlay, sizeof(overlay), "%d/%d", done, total);
        ImGui::TextUnformatted("Updating Local Community Aircraft Files...");
        ImGui::ProgressBar(total > 0 ? static_cast<float>(done) / total : 0.0f, ImVec2(-1, 0),
                           overlay);
    } else if (shown == kUpdateComplete) {
        ImGui::TextUnformatted("Update Complete");
        int notFetched = job->notFetchedCount.load(std::memory_order_acquire);
        if (notFetched > 0) {
            // The log names each and says why.
            ImGui::Text("Server Files not Downloaded: %d", notFetched);
        }
    } else if (shown == kUpdateCancelled) {
        ImGui::TextUnformatted("Update Canceled");
    } else {
        ImGui::TextWrapped("Update Error: %s", job->errorText.c_str());
    }
    drawButtons(shown);
}

void UpdaterWidget::drawButtons(int shown) {
    if (shown == kUpdateNew || shown == kUpdateReadingLists) {
        return;
    }
    ImVec2 size = ImGui::GetWindowSize();
    if (shown == kUpdateListsReady &&
        !(job->filesToRemove.empty() && job->filesToDownload.empty())) {
        ImGui::SetCursorPos(ImVec2(size.x - 250, size.y - 40));
        if (ImGui::Button("Update Community Files")) {
            startWorker(getServerFiles, kUpdateUpdating);
            return;
        }
    }
    ImGui::SetCursorPos(ImVec2(size.x - 70, size.y - 40));
    if (shown == kUpdateUpdating) {
        if (ImGui::Button("Cancel") && worker != nullptr) {
            // The file under way may finish within the cancel's grace.
            worker->requestCancel();
        }
    } else if (ImGui::Button("Close")) {
        SafeDelete();
    }
}
