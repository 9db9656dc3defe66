// A folder and everything below it, as the file selector lists it.
#pragma once

#include <string>
#include <vector>

#include "libwinkit/directory_populate_status.h"
#include "libwinkit/file_name.h"

class FileDirectory {
public:
    // `path` ends with "/".
    explicit FileDirectory(std::string path);

    // Reads the folder tree from disk; runs on a worker thread. Each folder is
    // read whole and closed before its subfolders are read, so few descriptors
    // are open at once. Links are listed as files and never followed; folders
    // deeper than kMaxScanDepth and paths longer than kMaxSelectorPath are left
    // out with a log line. Stops before the next entry once `cancel` is set,
    // keeping what it found.
    void populate(DirctoryPopulateStatus& status);
    // Shows the files whose upper-cased name holds `upperText` (all when it is
    // empty) and the folders with such a file somewhere below them.
    void filter(const std::string& upperText);
    void clearFileSelections();

    bool visible = true;
    std::vector<FileName> files;
    // The indices into `files` of the files the last filter() showed, in
    // order: what a list drawing only the rows in view counts on.
    std::vector<size_t> visibleFiles;
    std::vector<FileDirectory> subDirectories;
    std::string path;
    std::string name;  // the last component of `path`; "" for "/"

private:
    void populateFolder(DirctoryPopulateStatus& status, int depth);
};
