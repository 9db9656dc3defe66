#include "libwinkit/font_file.h"

#include <imgui.h>

#include "shell/log.h"
#include "shell/regular_file.h"

ImFont* addFontFile(const std::string& path, float sizePixels) {
    // ImGui asserts on a file it cannot open and on an empty one; a named pipe
    // would block the main thread.
    FILE* file = openRegularFileStream(path);
    long size = -1;
    if (file) {
        if (fseek(file, 0, SEEK_END) == 0) {
            size = ftell(file);
        }
        fclose(file);
    }
    if (size <= 0) {
        sLogMsg("Unable to load the font %s; ImGui's default font is used", path.c_str());
        return nullptr;
    }
    return ImGui::GetIO().Fonts->AddFontFromFileTTF(path.c_str(), sizePixels);
}
