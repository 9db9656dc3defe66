// The file selector: picks one file below a root folder. The tree is read on a
// worker while a "Loading Files" dialog counts the files, then shown filtered;
// the owner polls the selector every frame and reads the chosen path.
#pragma once

#include <string>

#include "libwinkit/directory_scan.h"
#include "libwinkit/qfn_im_window.h"

class FileDialog : public QfnImWindow {
public:
    // A new, hidden selector; the ImGui context current on entry stays current.
    static FileDialog* getInstance();
    // Deletes the selector (null is ignored); the ImGui context current on
    // entry stays current unless it was the selector's own.
    static void removeInstance(FileDialog* dialog);

    // (Re)starts the selector on a root folder and a filter text and shows it.
    void show(std::string rootFolder, const char* filter);
    // The chosen file's path, or "" when nothing is selected.
    std::string getFixedSelectedFile() const;

    // Cancel pressed or the window closed. Either button also hides the
    // selector; the owner removes it when it next polls.
    bool cancelled = false;
    bool openPressed = false;

protected:
    // Made by getInstance(); a subclass may build its frames alone (the
    // frame benchmark).
    FileDialog(int left, int top, int right, int bottom, int decoration);
    void configureImguiContext() override;
    void buildInterface() override;
    void onHide() override;

private:
    void populate();
    void updateFilter();
    bool processWaitDialog();
    void buildTree(FileDirectory& directory, bool isRoot);
    void selectFile(FileDirectory& directory, FileName& file);

    DirectoryScan scan;
    std::string selectedFile;
    int frameCounter = 0;
    char filterText[200] = {};
    char rootPath[2000] = {};
    // The root folder to scan: rootPath as accepted by show(); empty when the
    // typed folder was refused.
    std::string scanRoot;
};
