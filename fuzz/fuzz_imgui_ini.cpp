// Any bytes as "Imgui.ini": the reader keeps only well-formed window entries
// that read back as they were written, and ImGui takes what it is given. The
// file goes through the same path as a window's: read, handed to a context,
// and written back only as such entries.
#include <imgui.h>

#include <cstdint>
#include <cstdlib>

#include "host_setup.h"
#include "libwinkit/imgui_ini_file.h"
#include "libwinkit/imgui_ini_windows.h"

namespace {

void checkWindows(const std::vector<ImguiIniWindow>& windows) {
    for (const ImguiIniWindow& window : windows) {
        if (window.name.empty() || window.name.size() > kMaxImguiIniName ||
            window.x < -kMaxImguiIniCoordinate || window.x > kMaxImguiIniCoordinate ||
            window.y < -kMaxImguiIniCoordinate || window.y > kMaxImguiIniCoordinate ||
            window.width < 0 || window.width > kMaxImguiIniCoordinate || window.height < 0 ||
            window.height > kMaxImguiIniCoordinate) {
            abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<ImguiIniWindow> windows = parseImguiIniWindows(text);
    checkWindows(windows);
    std::string formatted = formatImguiIniWindows(windows);
    if (formatImguiIniWindows(parseImguiIniWindows(formatted)) != formatted) {
        abort();
    }

    const FuzzHost& host = fuzzHost();
    std::string path = host.pluginFolder + "Imgui.ini";
    writeWholeFile(path, data, size);
    forgetImguiIniSettings();
    ImGuiContext* context = ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;
    loadImguiIniSettings();
    saveImguiIniSettings();
    ImGui::DestroyContext(context);
    std::string written = readWholeFile(path);
    if (written != text && parseImguiIniWindows(written).size() > kMaxImguiIniWindows) {
        abort();
    }
    return 0;
}
