#include "libwinkit/file_dialog.h"

#include <imgui.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "libwinkit/font_file.h"
#include "libwinkit/selector_paths.h"
#include "shell/strings.h"

namespace {

const char* const kWaitPopup = "Loading Files";
const ImVec4 kGreen(0.0f, 1.0f, 0.0f, 1.0f);

std::string upperCased(const char* text) {
    std::string upper = text;
    for (char& c : upper) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

// Copies text into a field of `size` characters, end included, cut to fit:
// what the user may type there anyway.
void setField(char* field, size_t size, const std::string& text) {
    size_t length = std::min(text.size(), size - 1);
    memcpy(field, text.data(), length);
    field[length] = 0;
}

// A click into the text field just drawn gives it the keyboard.
void focusFieldOnClick() {
    if (ImGui::IsItemHovered() && ImGui::IsMouseClicked(0)) {
        ImGui::SetKeyboardFocusHere(-1);
    }
}

}  // namespace

FileDialog::FileDialog(int left, int top, int right, int bottom, int decoration)
    : QfnImWindow(left, top, right, bottom, decoration) {}

FileDialog* FileDialog::getInstance() {
    ImGuiContext* callersContext = ImGui::GetCurrentContext();
    int left, top, right, bottom;
    XPLMGetScreenBoundsGlobal(&left, &top, &right, &bottom);
    left += 175;
    top -= 75;
    FileDialog* dialog = new FileDialog(left, top, left + 600, top - 500, 1);
    dialog->SetWindowTitle("File Selector");
    dialog->init();
    dialog->center();
    ImGui::SetCurrentContext(callersContext);
    return dialog;
}

void FileDialog::removeInstance(FileDialog* dialog) {
    if (!dialog) {
        return;
    }
    ImGuiContext* callersContext = ImGui::GetCurrentContext();
    if (callersContext == dialog->getImguiContext()) {
        callersContext = nullptr;  // destroyed with the selector
    }
    delete dialog;
    ImGui::SetCurrentContext(callersContext);
}

void FileDialog::show(std::string rootFolder, const char* filter) {
    std::string filterCopy = filter ? filter : "";  // may be filterText itself
    scan.clear();
    scanRoot.clear();
    if (rootFolderFromTyped(rootFolder, scanRoot)) {
        setField(rootPath, sizeof(rootPath), scanRoot);
    }
    selectedFile.clear();
    setField(filterText, sizeof(filterText), filterCopy);
    cancelled = false;
    openPressed = false;
    frameCounter = 0;
    if (!GetVisible()) {
        SetVisible(true);
    }
}

std::string FileDialog::getFixedSelectedFile() const {
    if (selectedFile.empty() || !selectorPathFits(selectedFile)) {
        return "";
    }
    char path[2000];
    fixPath(selectedFile.c_str(), path);
    return path;
}

void FileDialog::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"), 14.0f);
}

// Closed by X-Plane's close box, or by Open, whose choice stands.
void FileDialog::onHide() {
    if (!openPressed) {
        cancelled = true;
    }
}

void FileDialog::populate() {
    if (scanRoot.empty()) {
        return;  // the typed folder was refused
    }
    scan.start(scanRoot, upperCased(filterText));
    ImGui::OpenPopup(kWaitPopup);
}

void FileDialog::updateFilter() {
    selectedFile.clear();
    if (FileDirectory* root = scan.tree()) {
        root->clearFileSelections();
        root->filter(upperCased(filterText));
    }
}

bool FileDialog::processWaitDialog() {
    if (!ImGui::BeginPopupModal(kWaitPopup, nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
        return false;
    }
    ImGui::NewLine();
    ImGui::Text("          %s Please Wait...          ",
                thousandSeparator(static_cast<int>(scan.fileCount())).c_str());
    ImGui::NewLine();
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() / 2 - 20);
    if (ImGui::Button("Cancel##PopulateCancel")) {
        scan.cancel();
    }
    if (scan.finished()) {
        ImGui::CloseCurrentPopup();
    }
    ImGui::EndPopup();
    return true;
}

void FileDialog::buildInterface() {
    if (frameCounter++ == 0) {
        populate();
    }
    if (processWaitDialog()) {
        return;
    }
    float width = ImGui::GetWindowWidth();
    float height = ImGui::GetWindowHeight();

    ImGui::PushItemWidth(450);
    ImGui::InputText("Root Path##FileRootPath", rootPath, sizeof(rootPath));
    focusFieldOnClick();
    ImGui::PopItemWidth();
    ImGui::SameLine();
    if (ImGui::Button("Apply##ApplyNewPath")) {
        show(rootPath, filterText);
        return;
    }

    ImGui::PushStyleColor(ImGuiCol_Text, kGreen);
    ImGui::TextUnformatted(selectedFile.c_str());
    ImGui::PopStyleColor();

    ImGui::BeginChild("FileListChild", ImVec2(width - 15, height - ImGui::GetCursorPosY() - 35),
                      true);
    FileDirectory* root = scan.tree();
    if (scanRoot.empty()) {
        ImGui::TextUnformatted("Folder path too long");
    } else if (scan.rootUnreadable()) {
        ImGui::TextUnformatted("Unable to open folder");
    } else if (root) {
        buildTree(*root, true);
    }
    ImGui::EndChild();

    ImGui::PushItemWidth(200);
    ImGui::InputText("Filter##FileFilter", filterText, sizeof(filterText));
    focusFieldOnClick();
    ImGui::PopItemWidth();
    ImGui::SameLine();
    if (ImGui::Button("Apply##ApplyNewFilter")) {
        updateFilter();
    }
    // Each button closes the selector itself: its owner may be hidden and not
    // polling, and reads the answer once it is shown again.
    ImGui::SameLine(width - 110);
    if (ImGui::Button("Cancel")) {
        cancelled = true;
        SetVisible(false);
    }
    if (!selectedFile.empty()) {
        ImGui::SameLine(width - 60);
        if (ImGui::Button("Open")) {
            openPressed = true;
            SetVisible(false);
        }
    }
}

void FileDialog::buildTree(FileDirectory& directory, bool isRoot) {
    if (!directory.visible) {
        return;
    }
    std::string label = directory.name + "##" + directory.path;
    if (isRoot) {
        ImGui::SetNextItemOpen(true, ImGuiCond_Once);
    }
    if (!ImGui::TreeNode(label.c_str())) {
        return;
    }
    for (FileDirectory& sub : directory.subDirectories) {
        buildTree(sub, false);
    }
    ImGui::PushStyleColor(ImGuiCol_Text, kGreen);
    // Only the rows in view are built: a folder may hold tens of thousands of files.
    ImGuiListClipper clipper;
    clipper.Begin(static_cast<int>(directory.visibleFiles.size()));
    while (clipper.Step()) {
        for (int row = clipper.DisplayStart; row < clipper.DisplayEnd; ++row) {
            FileName& file = directory.files[directory.visibleFiles[static_cast<size_t>(row)]];
            std::string rowLabel = file.name + "##" + directory.path + file.name;
            if (ImGui::Selectable(rowLabel.c_str(), &file.selected)) {
                selectFile(directory, file);
            }
        }
    }
    ImGui::PopStyleColor();
    ImGui::TreePop();
}

void FileDialog::selectFile(FileDirectory& directory, FileName& file) {
    if (!file.selected) {
        selectedFile.clear();
        return;
    }
    std::string path = directory.path + file.name;
    if (!selectorPathFits(path)) {
        file.selected = false;
        return;
    }
    selectedFile = path;
    scan.tree()->clearFileSelections();
    file.selected = true;
}
