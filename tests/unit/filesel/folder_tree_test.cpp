// The file selector's folder tree: what a scan lists, what a filter shows, and
// the trees that must not hang or overrun it (links, loops, depth, long paths).
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "folder_tree_fixture.h"
#include "libwinkit/directory_entry_kind.h"
#include "libwinkit/file_directory.h"
#include "libwinkit/selector_paths.h"
#include "xpsim.h"

using FileSelectorTree = FolderTreeTest;

TEST_F(FileSelectorTree, NameIsTheLastComponentOfThePath) {
    EXPECT_EQ(FileDirectory("/home/pilot/Aircraft/").name, "Aircraft");
    EXPECT_EQ(FileDirectory("/home/pilot/Aircraft").name, "Aircraft");
    EXPECT_EQ(FileDirectory("/").name, "");
    EXPECT_EQ(FileDirectory("").name, "");
    EXPECT_EQ(FileDirectory("Aircraft/").name, "Aircraft");
    EXPECT_EQ(FileDirectory("Aircraft/").path, "Aircraft/");
    // Longer than the old 2000-character buffer: nothing is cut.
    std::string longName(2100, 'n');
    EXPECT_EQ(FileDirectory("/x/" + longName + "/").name, longName);

    FileName file("ovilux_a320\xe9.cfg");
    EXPECT_EQ(file.upperName, "OVILUX_A320\xe9.CFG");
    EXPECT_EQ(file.name, "ovilux_a320\xe9.cfg");
    EXPECT_FALSE(file.selected);
    EXPECT_TRUE(file.visible);
}

TEST_F(FileSelectorTree, ListsEveryFileAndFolderDepthFirst) {
    file("a.txt");
    file("sub/b.txt");
    file("sub/deeper/c.txt");
    folder("empty");
    DirctoryPopulateStatus status;
    FileDirectory root(tree());
    root.populate(status);
    status.logLeftOut();

    EXPECT_EQ(describe(root), "a.txt\nempty/\nsub/\nsub/b.txt\nsub/deeper/\nsub/deeper/c.txt\n");
    EXPECT_EQ(status.fileCount.load(), 3u);
    EXPECT_FALSE(status.rootUnreadable.load());
    const FileDirectory* deeper = findFolder(*findFolder(root, "sub"), "deeper");
    ASSERT_NE(deeper, nullptr);
    EXPECT_EQ(deeper->path, tree() + "sub/deeper/");
}

TEST_F(FileSelectorTree, FilterMatchesUpperCasedNamesAndHidesFoldersWithoutMatches) {
    file("Ovilux_737.cfg");
    file("ovilux_a320.CFG");
    file("OVILUX_B");
    file("readme.txt");
    file("sub/nested_oViLuX_x");
    file("other/notes.txt");
    folder("empty");
    FileDirectory root = scan();

    root.filter("OVILUX_");
    EXPECT_TRUE(root.visible);
    EXPECT_EQ(describe(root, true),
              "OVILUX_B\nOvilux_737.cfg\novilux_a320.CFG\nsub/\nsub/nested_oViLuX_x\n");

    root.filter("NOTHING MATCHES");
    EXPECT_FALSE(root.visible);
    EXPECT_EQ(describe(root, true), "");
}

TEST_F(FileSelectorTree, EmptyFilterShowsEveryFileAndHidesFoldersWithoutFiles) {
    file("top.txt");
    file("other/notes.txt");
    folder("empty");
    folder("emptier/deeper/deepest");
    file("holder/inner/leaf.txt");
    FileDirectory root = scan();

    root.filter("");
    EXPECT_EQ(describe(root, true),
              "holder/\nholder/inner/\nholder/inner/leaf.txt\nother/\nother/notes.txt\ntop.txt\n");
    EXPECT_FALSE(findFolder(root, "empty")->visible);
    EXPECT_FALSE(findFolder(root, "emptier")->visible);

    FileDirectory nothing(tree() + "empty/");
    DirctoryPopulateStatus status;
    nothing.populate(status);
    nothing.filter("");
    EXPECT_FALSE(nothing.visible);
}

TEST_F(FileSelectorTree, ClearingSelectionsReachesTheWholeSubtree) {
    file("a.txt");
    file("sub/deeper/c.txt");
    FileDirectory root = scan();
    root.files[0].selected = true;
    root.subDirectories[0].subDirectories[0].files[0].selected = true;
    root.clearFileSelections();
    EXPECT_FALSE(root.files[0].selected);
    EXPECT_FALSE(root.subDirectories[0].subDirectories[0].files[0].selected);
}

TEST_F(FileSelectorTree, LinksAreListedAsFilesAndNeverFollowed) {
    file("real/inner.txt");
    link(tree() + "real", "shortcut");  // a link to a folder
    link(".", "self");                  // loops of links
    link("..", "up");
    link("ring-b", "ring-a");
    link("ring-a", "ring-b");
    link("missing-target", "dangling");
    link(tree(), "real/back-to-top");
    DirctoryPopulateStatus status;
    FileDirectory root(tree());
    root.populate(status);
    status.logLeftOut();

    EXPECT_EQ(describe(root),
              "dangling\nreal/\nreal/back-to-top\nreal/inner.txt\nring-a\nring-b\nself\nshortcut\nup\n");
    EXPECT_EQ(status.fileCount.load(), 8u);
}

TEST_F(FileSelectorTree, RootGivenThroughALinkIsRead) {
    file("real/inner.txt");
    link(tree() + "real", "shortcut");
    FileDirectory root(tree() + "shortcut/");
    DirctoryPopulateStatus status;
    root.populate(status);
    status.logLeftOut();
    EXPECT_EQ(describe(root), "inner.txt\n");
    EXPECT_FALSE(status.rootUnreadable.load());
}

TEST_F(FileSelectorTree, EntriesOfUnknownTypeAreLookedAtWithoutFollowingLinks) {
    file("plain.txt");
    folder("sub");
    link(tree() + "sub", "shortcut");
    ASSERT_EQ(mkfifo((tree() + "pipe").c_str(), 0600), 0);
    int fd = open(tree().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(directoryEntryKind(fd, "plain.txt", DT_UNKNOWN), DirectoryEntryKind::File);
    EXPECT_EQ(directoryEntryKind(fd, "sub", DT_UNKNOWN), DirectoryEntryKind::Folder);
    EXPECT_EQ(directoryEntryKind(fd, "shortcut", DT_UNKNOWN), DirectoryEntryKind::File);
    EXPECT_EQ(directoryEntryKind(fd, "pipe", DT_UNKNOWN), DirectoryEntryKind::Other);
    EXPECT_EQ(directoryEntryKind(fd, "vanished", DT_UNKNOWN), DirectoryEntryKind::Other);
    EXPECT_EQ(directoryEntryKind(fd, "pipe", DT_FIFO), DirectoryEntryKind::Other);
    EXPECT_EQ(directoryEntryKind(fd, "shortcut", DT_LNK), DirectoryEntryKind::File);
    close(fd);

    FileDirectory root = scan();
    EXPECT_EQ(describe(root), "plain.txt\nshortcut\nsub/\n");
}

TEST_F(FileSelectorTree, FoldersBelowTheDepthBoundAreLeftOutWithALogLine) {
    std::string nested;
    for (int level = 0; level <= kMaxScanDepth + 5; ++level) {
        file(nested + "f");
        nested += "d/";
    }
    DirctoryPopulateStatus status;
    FileDirectory root(tree());
    root.populate(status);
    status.logLeftOut();

    // The root and kMaxScanDepth folders below it, each with its file.
    EXPECT_EQ(status.fileCount.load(), static_cast<uint32_t>(kMaxScanDepth + 1));
    EXPECT_EQ(countFiles(root), static_cast<size_t>(kMaxScanDepth + 1));
    EXPECT_NE(xpsim::logText().find("File selector: folder too deep, not listed: " + tree()),
              std::string::npos);
}

TEST_F(FileSelectorTree, PathsTooLongForTheOwnersBuffersAreLeftOutNeverCut) {
    // Each level adds 201 characters; the seventh folder's path is too long.
    std::string level(200, 'L');
    std::string nested;
    while ((tree() + nested + level + "/").size() <= kMaxSelectorPath) {
        nested += level + "/";
    }
    file(nested + "short.txt");
    std::string fitting(kMaxSelectorPath - (tree() + nested).size(), 'f');
    file(nested + fitting);
    file(nested + fitting + "x");
    folder(nested + level);  // its path would be too long
    DirctoryPopulateStatus status;
    FileDirectory root(tree());
    root.populate(status);
    status.logLeftOut();

    EXPECT_EQ(status.fileCount.load(), 2u);
    const FileDirectory* deepest = &root;
    while (!deepest->subDirectories.empty()) {
        deepest = &deepest->subDirectories[0];
    }
    EXPECT_EQ(deepest->path, tree() + nested);
    ASSERT_EQ(deepest->files.size(), 2u);
    for (const FileName& file : deepest->files) {
        EXPECT_LE((deepest->path + file.name).size(), kMaxSelectorPath);
    }
    EXPECT_EQ(status.entriesLeftOut, 2u);
    EXPECT_NE(xpsim::logText().find("File selector: path too long, not listed: "),
              std::string::npos);
}

TEST_F(FileSelectorTree, ARootThatCannotBeOpenedIsReported) {
    file("plain.txt");
    for (const std::string& path : {tree() + "missing/", tree() + "plain.txt/"}) {
        DirctoryPopulateStatus status;
        FileDirectory root(path);
        root.populate(status);
    status.logLeftOut();
        EXPECT_TRUE(status.rootUnreadable.load()) << path;
        EXPECT_TRUE(root.files.empty());
        EXPECT_TRUE(root.subDirectories.empty());
    }
}

TEST_F(FileSelectorTree, ACancelledScanReadsNoFurtherEntry) {
    file("a.txt");
    file("sub/b.txt");
    DirctoryPopulateStatus status;
    status.cancel = true;
    FileDirectory root(tree());
    root.populate(status);
    status.logLeftOut();
    EXPECT_EQ(describe(root), "");
    EXPECT_EQ(status.fileCount.load(), 0u);
    EXPECT_FALSE(status.rootUnreadable.load());
}
