#include "libwinkit/directory_populate_status.h"

void DirctoryPopulateStatus::reset() {
    fileCount.store(0);
    cancel.store(false);
    rootUnreadable.store(false);
    entriesLeftOut = 0;
}
