// The scan worker as the file selector drives it: the tree is handed over only
// once the worker has finished, and cancelling or closing never waits for a
// whole scan (of "/", say) to end.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "folder_tree_fixture.h"
#include "libwinkit/directory_scan.h"

namespace {

// Polls as the selector's frames do; fails rather than hangs.
bool waitUntilFinished(DirectoryScan& scan) {
    for (int i = 0; i < 60000 && !scan.finished(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return scan.finished();
}

}  // namespace

using FileSelectorScan = FolderTreeTest;

TEST_F(FileSelectorScan, HandsOverTheFilteredTreeOnceFinished) {
    file("Ovilux_737.cfg");
    file("sub/readme.txt");
    file("planes/ovilux_a320.cfg");
    DirectoryScan scan;
    EXPECT_TRUE(scan.finished());
    EXPECT_EQ(scan.tree(), nullptr);

    scan.start(tree(), "OVILUX_");
    ASSERT_TRUE(waitUntilFinished(scan));
    FileDirectory* root = scan.tree();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(scan.fileCount(), 3u);
    EXPECT_FALSE(scan.rootUnreadable());
    EXPECT_EQ(describe(*root, true), "Ovilux_737.cfg\nplanes/\nplanes/ovilux_a320.cfg\n");

    // A second scan replaces the first one's tree.
    scan.start(tree() + "sub/", "");
    ASSERT_TRUE(waitUntilFinished(scan));
    ASSERT_NE(scan.tree(), nullptr);
    EXPECT_EQ(describe(*scan.tree(), true), "readme.txt\n");
    EXPECT_EQ(scan.fileCount(), 1u);

    scan.clear();
    EXPECT_TRUE(scan.finished());
    EXPECT_EQ(scan.tree(), nullptr);
    EXPECT_EQ(scan.fileCount(), 0u);
}

TEST_F(FileSelectorScan, CancelKeepsThePartialTree) {
    const int folders = 40;
    const int filesPerFolder = 250;
    for (int f = 0; f < folders; ++f) {
        for (int n = 0; n < filesPerFolder; ++n) {
            file("f" + std::to_string(f) + "/n" + std::to_string(n));
        }
    }
    // On a loaded machine the worker may finish before the cancel lands: every
    // try must leave a consistent tree, and some try must leave a partial one.
    bool partial = false;
    for (int attempt = 0; attempt < 50 && !partial; ++attempt) {
        DirectoryScan scan;
        scan.start(tree(), "");
        while (scan.fileCount() == 0 && !scan.finished()) {
            std::this_thread::yield();
        }
        scan.cancel();
        ASSERT_TRUE(waitUntilFinished(scan));
        FileDirectory* root = scan.tree();
        ASSERT_NE(root, nullptr);
        EXPECT_GT(scan.fileCount(), 0u);
        EXPECT_EQ(countFiles(*root), scan.fileCount());
        EXPECT_TRUE(root->visible);  // filtered: what was found is shown
        partial = scan.fileCount() < static_cast<uint32_t>(folders * filesPerFolder);
    }
    EXPECT_TRUE(partial);
}

TEST_F(FileSelectorScan, StoppingAScanOfTheWholeDiskReturnsAtOnce) {
    DirectoryScan scan;
    scan.start("/", "");
    if (!scan.finished()) {
        EXPECT_EQ(scan.tree(), nullptr);
    }
    scan.stop();
    EXPECT_TRUE(scan.finished());
    ASSERT_NE(scan.tree(), nullptr);
    EXPECT_EQ(scan.tree()->name, "");
    EXPECT_EQ(scan.tree()->path, "/");

    // Restarting, and dropping the scan while it runs, do not wait either.
    scan.start("/", "");
    scan.start("/", "OVILUX_");
    DirectoryScan dropped;
    dropped.start("/", "");
}

TEST_F(FileSelectorScan, ARootThatCannotBeOpenedIsReported) {
    DirectoryScan scan;
    scan.start(tree() + "missing/", "");
    ASSERT_TRUE(waitUntilFinished(scan));
    EXPECT_TRUE(scan.rootUnreadable());
    ASSERT_NE(scan.tree(), nullptr);
    EXPECT_FALSE(scan.tree()->visible);
    EXPECT_EQ(scan.fileCount(), 0u);
}
