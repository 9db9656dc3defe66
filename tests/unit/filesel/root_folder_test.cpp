// The root folder as typed into the selector, and the paths its owners get.
#include <gtest/gtest.h>

#include <string>

#include "libwinkit/selector_paths.h"
#include "support/simulated_xplane.h"
#include "xpsim.h"

TEST(FileSelectorPaths, RootIsTrimmedAndEndsWithASlash) {
    std::string root;
    ASSERT_TRUE(rootFolderFromTyped("  \t/home/pilot/X-Plane 12/Aircraft \r\n", root));
    EXPECT_EQ(root, "/home/pilot/X-Plane 12/Aircraft/");
    ASSERT_TRUE(rootFolderFromTyped("/home/pilot/", root));
    EXPECT_EQ(root, "/home/pilot/");
    ASSERT_TRUE(rootFolderFromTyped("C:\\X-Plane\\", root));
    EXPECT_EQ(root, "C:\\X-Plane\\");
    ASSERT_TRUE(rootFolderFromTyped("", root));
    EXPECT_EQ(root, "/");
    ASSERT_TRUE(rootFolderFromTyped("   ", root));
    EXPECT_EQ(root, "/");
}

TEST(FileSelectorPaths, TooLongPathsAreRefusedNeverCut) {
    SimulatedXPlane xplane(false);
    std::string root = "unchanged";
    std::string longest(kMaxSelectorPath - 1, 'a');
    ASSERT_TRUE(rootFolderFromTyped(" " + longest + " ", root));
    EXPECT_EQ(root, longest + "/");
    EXPECT_EQ(root.size(), kMaxSelectorPath);

    root = "unchanged";
    EXPECT_FALSE(rootFolderFromTyped(longest + "b", root));
    EXPECT_EQ(root, "unchanged");
    EXPECT_NE(xpsim::logText().find("Folder path too long (1999 characters), not scanned: aaa"),
              std::string::npos);

    EXPECT_TRUE(selectorPathFits(std::string(kMaxSelectorPath, 'p')));
    EXPECT_FALSE(selectorPathFits(std::string(kMaxSelectorPath + 1, 'p')));
    EXPECT_NE(xpsim::logText().find("Path too long (2000 characters), refused: ppp"),
              std::string::npos);
}
