#include "libwinkit/directory_populate_status.h"

#include "shell/log.h"

void DirctoryPopulateStatus::reset() {
    fileCount.store(0);
    cancel.store(false);
    rootUnreadable.store(false);
    entriesLeftOut = 0;
    leftOutLines.clear();
}

void DirctoryPopulateStatus::logLeftOut() {
    for (const std::string& line : leftOutLines) {
        logMsg(line.c_str());
    }
    leftOutLines.clear();
}
