// A folder tree for the file selector's tests, in a simulated X-Plane's
// temporary folder (its log shows the selector's log lines).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "libwinkit/file_directory.h"
#include "support/simulated_xplane.h"

class FolderTreeTest : public ::testing::Test {
protected:
    // ROOT/tree/, ending with "/".
    std::string tree() const { return xplane.root() + "/tree/"; }
    // Creates the file (and its folders) below tree().
    void file(const std::string& relative);
    void folder(const std::string& relative);
    void link(const std::string& target, const std::string& relative);
    // Reads tree() whole.
    FileDirectory scan();

    SimulatedXPlane xplane{false};
};

// Depth-first listing of a scanned tree: "sub/" for a folder, "sub/file" for a
// file, in the order the tree holds them, sorted so tests do not depend on the
// file system's listing order.
std::string describe(const FileDirectory& directory, bool visibleOnly = false);
const FileDirectory* findFolder(const FileDirectory& directory, const std::string& name);
size_t countFiles(const FileDirectory& directory);
