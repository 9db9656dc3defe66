#include "libwinkit/imgui_ini_path.h"

#include "shell/plugin_path.h"

std::string imguiIniPath() {
    if (!hasPluginFolder()) {
        return std::string();
    }
    return getPluginPathString() + "Imgui.ini";
}
