#include <cstring>
#include <thread>
#include <vector>

#include "sim_fixture.h"

namespace {

using SimFiles = SimTest;

TEST_F(SimFiles, PathsEndInTheSeparator) {
    char path[512];
    XPLMGetSystemPath(path);
    EXPECT_EQ(std::string(path), root_ + "/");
    XPLMGetPrefsPath(path);
    EXPECT_EQ(std::string(path), root_ + "/Output/preferences/Set X-Plane.prf");
    EXPECT_STREQ(XPLMGetDirectorySeparator(), "/");
}

TEST_F(SimFiles, ExtractFileAndPathSplitsInPlace) {
    char full[] = "/x/Aircraft/c172.acf";
    char* file = XPLMExtractFileAndPath(full);
    EXPECT_STREQ(file, "c172.acf");
    EXPECT_STREQ(full, "/x/Aircraft");
    char bare[] = "c172.acf";
    EXPECT_EQ(XPLMExtractFileAndPath(bare), bare);
}

TEST_F(SimFiles, DirectoryContentsFollowTheBufferContract) {
    writeFile("list/bb.txt", "");
    writeFile("list/a.txt", "");
    writeFile("list/ccc/inner.txt", "");
    std::string dir = root_ + "/list";
    char names[64];
    char* indices[4];
    int total = -1, returned = -1;
    ASSERT_EQ(XPLMGetDirectoryContents(dir.c_str(), 0, names, sizeof names, indices, 4, &total,
                                       &returned),
              1);
    EXPECT_EQ(total, 3);
    ASSERT_EQ(returned, 3);
    EXPECT_STREQ(indices[0], "a.txt");
    EXPECT_STREQ(indices[1], "bb.txt");
    EXPECT_STREQ(indices[2], "ccc");
    EXPECT_EQ(indices[3], nullptr);

    // "a.txt\0bb.txt\0" is 13 bytes: the third name does not fit.
    EXPECT_EQ(XPLMGetDirectoryContents(dir.c_str(), 0, names, 14, indices, 4, &total, &returned),
              0);
    EXPECT_EQ(returned, 2);
    EXPECT_EQ(total, 3);
    EXPECT_EQ(indices[2], nullptr);
    // Too few index slots.
    EXPECT_EQ(XPLMGetDirectoryContents(dir.c_str(), 0, names, 64, indices, 1, &total, &returned),
              0);
    EXPECT_EQ(returned, 1);
    // Skipping the first entries.
    EXPECT_EQ(XPLMGetDirectoryContents(dir.c_str(), 2, names, 64, indices, 4, &total, &returned),
              1);
    EXPECT_EQ(returned, 1);
    EXPECT_STREQ(indices[0], "ccc");

    std::string missing = root_ + "/none";
    EXPECT_EQ(XPLMGetDirectoryContents(missing.c_str(), 0, names, 64, indices, 4, &total,
                                       &returned),
              0);
    EXPECT_EQ(total, 0);
    EXPECT_EQ(returned, 0);
}

TEST_F(SimFiles, DebugStringAppendsToLogFromAnyThread) {
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 50; ++i) XPLMDebugString("worker line\n");
        });
    for (auto& thread : threads) thread.join();
    std::string text = xpsim::logText();
    EXPECT_EQ(text.size(), 200 * std::strlen("worker line\n"));
    std::ifstream in(root_ + "/Log.txt");
    std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(file, text);
}

TEST_F(SimFiles, UserAircraftPathIsUnderTheRoot) {
    xpsim::setUserAircraft("Aircraft/Laminar Research/Cessna 172SP/Cessna_172SP.acf");
    char file[256], path[512];
    XPLMGetNthAircraftModel(0, file, path);
    EXPECT_STREQ(file, "Cessna_172SP.acf");
    EXPECT_EQ(std::string(path),
              root_ + "/Aircraft/Laminar Research/Cessna 172SP/Cessna_172SP.acf");
}

}  // namespace
