// The library of community camera files as the plug-in caches it: the worker
// started at enable reads every file's properties while the main thread only
// polls the busy flag and the counters, and the stop waits for it.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_set.h"
#include "community/community_file_names.h"
#include "community/community_worker.h"
#include "community_fixture.h"
#include "scene/fov.h"
#include "xpsim.h"

using CommunityCache = CommunityLibraryTest;

TEST_F(CommunityCache, ReadsAFileTheWriterMadeAsTheCameraReaderCountsIt) {
    enablePlugin();
    writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "Pilot", 1)) +
                    joinRow(rowFields("Cockpit", "Copilot", 2)) +
                    joinRow(rowFields("Outside", "Tail")) + joinRow(rowFields("Tower", "Top")));
    ASSERT_EQ(readCameras(nullptr), 1);
    // Written again by the plug-in's own writer, as a user would share it.
    copyText(getCurrentActiveCameraFile()->properties.author, 40, "Jane Pilot");
    copyText(getCurrentActiveCameraFile()->properties.fileVersion, 40, "1.1");
    ASSERT_EQ(saveCameras(false, false), 1);
    int categories = getNumberOfCategories();
    int cameras = 0;
    for (int c = 0; c < categories; ++c) {
        cameras += getCategory(c)->numberOfCameras;
    }
    ASSERT_EQ(categories, 3);
    ASSERT_EQ(cameras, 4);
    libraryFile("Cessna_172SP-Jane.csv", readCameraFile());

    ASSERT_TRUE(waitUntilCached());
    ASSERT_TRUE(DataCache::cacheCommunityCameraFiles());
    ASSERT_TRUE(waitUntilCached());
    std::vector<GlobalCameraFileNameEntry> list = cachedList();
    ASSERT_EQ(list.size(), 1u);
    const GlobalCameraFileNameEntry& entry = list[0];
    EXPECT_STREQ(entry.fileName, "Cessna_172SP-Jane.csv");
    EXPECT_EQ(std::string(entry.path), libraryPath("Cessna_172SP-Jane.csv"));
    EXPECT_EQ(entry.fileType, kAircraftCameraFile);
    EXPECT_EQ(entry.isCommunityFile, 1);
    EXPECT_EQ(entry.directoryIndex, 0);
    EXPECT_EQ(entry.next, nullptr);
    EXPECT_EQ(entry.properties.numberOfCategories, categories);
    EXPECT_EQ(entry.properties.numberOfCameras, cameras);
    EXPECT_STREQ(entry.properties.aircraft, "Cessna_172SP");
    EXPECT_STREQ(entry.properties.oviluxVersion, "2.4.3");
    // The author and file version keep the blank the writer puts after them.
    EXPECT_STREQ(entry.properties.author, "Jane Pilot ");
    EXPECT_STREQ(entry.properties.fileVersion, "1.1 ");
    EXPECT_STREQ(entry.properties.searchKey, "CESSNA_172SP JANE PILOT ");
    EXPECT_FLOAT_EQ(entry.properties.defaultFov, getDefaultFOV());
    EXPECT_FALSE(entry.properties.manualEnable);
}

TEST_F(CommunityCache, CountsCamerasCategoriesAndTakesTheLastRowsTexts) {
    libraryFile("a-one-category.csv", communityRow("Cockpit", "Pilot", 0) +
                                          communityRow("Cockpit", "Copilot", 0) +
                                          communityRow("Cockpit", "Panel", 0));
    libraryFile("b-four-categories.csv", communityRow("One", "A", 0) + communityRow("Two", "B", 1) +
                                             communityRow("Four", "D", 3) +
                                             communityRow("Three", "C", 2));
    libraryFile("c-header-and-two-rows.csv",
                headerLine() +
                    communityRow("Cockpit", "Pilot", 0, "Old Plane", "First Author ", "0.9 ",
                                 "2.0.0") +
                    "\n" +
                    communityRow("Outside", "Tail", 1, "Baron 58", "Second Author ", "1.2 ",
                                 "2.4.3"));
    libraryFile("d-long-texts.csv",
                communityRow("Cockpit", "Pilot", 0, std::string(60, 'P'), std::string(50, 'a'),
                             std::string(45, 'v'), std::string(41, '9')));
    libraryFile("e-header-only.csv", headerLine());
    libraryFile("f-empty.csv", "");
    // The camera-file reader refuses it at its too short header: an import
    // brings nothing.
    libraryFile("g-refused-rows.csv", "Category Name,Camera Name\ngarbage,,,\n");
    enablePlugin();

    std::vector<GlobalCameraFileNameEntry> list = cachedList();
    ASSERT_EQ(list.size(), 7u);
    EXPECT_EQ(list[0].properties.numberOfCategories, 1);
    EXPECT_EQ(list[0].properties.numberOfCameras, 3);
    EXPECT_EQ(list[1].properties.numberOfCategories, 4);
    EXPECT_EQ(list[1].properties.numberOfCameras, 4);

    const CameraFileProperty& twoRows = list[2].properties;
    EXPECT_EQ(twoRows.numberOfCameras, 2);
    EXPECT_EQ(twoRows.numberOfCategories, 2);
    EXPECT_STREQ(twoRows.aircraft, "Baron 58");
    EXPECT_STREQ(twoRows.author, "Second Author ");
    EXPECT_STREQ(twoRows.fileVersion, "1.2 ");
    EXPECT_STREQ(twoRows.oviluxVersion, "2.4.3");
    EXPECT_FLOAT_EQ(twoRows.defaultFov, 60.0f);
    EXPECT_STREQ(twoRows.searchKey, "BARON 58 SECOND AUTHOR ");

    const CameraFileProperty& cut = list[3].properties;
    EXPECT_EQ(std::string(cut.author), std::string(39, 'a'));
    EXPECT_EQ(std::string(cut.aircraft), std::string(40, 'P'));
    EXPECT_EQ(std::string(cut.fileVersion), std::string(39, 'v'));
    EXPECT_EQ(std::string(cut.oviluxVersion), std::string(39, '9'));
    EXPECT_EQ(std::string(cut.searchKey), std::string(40, 'P') + " " + std::string(39, 'A'));

    for (int i : {4, 5, 6}) {
        EXPECT_EQ(list[i].properties.numberOfCategories, 1) << list[i].fileName;
        EXPECT_EQ(list[i].properties.numberOfCameras, 0) << list[i].fileName;
        EXPECT_STREQ(list[i].properties.aircraft, "") << list[i].fileName;
    }
}

TEST_F(CommunityCache, HostileRowsNeitherOverflowNorWrapTheCounts) {
    std::vector<std::string> wide = rowFields("Cockpit", "Pilot");
    wide[46] = "2147483647";  // one more would wrap
    wide.resize(400, "7");    // far more fields than a row has
    std::vector<std::string> negative = rowFields("Cockpit", "Pilot");
    negative[46] = "-5";
    negative[42] = "nan";
    libraryFile("hostile.csv", joinRow(wide) + joinRow(negative) + std::string(5000, 'x') + "\n");
    enablePlugin();

    std::vector<GlobalCameraFileNameEntry> list = cachedList();
    ASSERT_EQ(list.size(), 1u);
    // The line longer than any row is skipped whole.
    EXPECT_EQ(list[0].properties.numberOfCameras, 2);
    EXPECT_EQ(list[0].properties.numberOfCategories, 1);
    EXPECT_FLOAT_EQ(list[0].properties.defaultFov, 60.0f);
}

TEST_F(CommunityCache, UnreadableFilesAreListedWithTheLogLine) {
    libraryFile("a-good.csv", communityRow("Cockpit", "Pilot", 0));
    ASSERT_EQ(mkfifo(libraryPath("b-pipe.csv").c_str(), 0644), 0);
    std::filesystem::create_directories(libraryPath("c-folder.csv"));
    enablePlugin();

    std::vector<GlobalCameraFileNameEntry> list = cachedList();
    ASSERT_EQ(list.size(), 3u);
    for (int i : {1, 2}) {
        const GlobalCameraFileNameEntry& entry = list[i];
        EXPECT_EQ(entry.properties.numberOfCategories, 1) << entry.fileName;
        EXPECT_EQ(entry.properties.numberOfCameras, 0) << entry.fileName;
        EXPECT_STREQ(entry.properties.author, "") << entry.fileName;
        EXPECT_EQ(countInLog("Unable to read " + std::string(entry.path)), 1) << entry.fileName;
    }
    EXPECT_EQ(list[0].properties.numberOfCameras, 1);
    int read = -1;
    int total = -1;
    EXPECT_FALSE(DataCache::isCommunityFileCacheBusy(&read, &total));
    EXPECT_EQ(read, 3);
    EXPECT_EQ(total, 3);
}

TEST_F(CommunityCache, NamesThatAreNotPlainFileNamesAreSkippedAndLoggedOnce) {
    libraryFile("good.csv", communityRow("Cockpit", "Pilot", 0));
    libraryFile("line\nbreak.csv", communityRow("Cockpit", "Pilot", 0));
    libraryFile("escape\x1b.csv", communityRow("Cockpit", "Pilot", 0));
    libraryFile("back\\slash.csv", communityRow("Cockpit", "Pilot", 0));
    enablePlugin();

    std::vector<GlobalCameraFileNameEntry> list = cachedList();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_STREQ(list[0].fileName, "good.csv");
    int read = -1;
    int total = -1;
    DataCache::isCommunityFileCacheBusy(&read, &total);
    EXPECT_EQ(total, 1);
    EXPECT_EQ(read, 1);
    EXPECT_EQ(countInLog("Skipped 3 names in " + xplane.pluginFolder() +
                         "CommunityAircraftCameras that are not plain file names"),
              1);

    // What a server's listing may hold, and the file system cannot.
    for (const char* name : {"", ".", "..", "../escape.csv", "sub/file.csv", "/etc/passwd",
                             "a\\b.csv", "tab\there.csv", "del\x7f.csv"}) {
        EXPECT_FALSE(isPlainCommunityFileName(name)) << name;
    }
    EXPECT_FALSE(isPlainCommunityFileName(std::string(1000, 'n').c_str()));
    EXPECT_FALSE(isPlainCommunityFileName(std::string(3000, 'n').c_str()));
    EXPECT_TRUE(isPlainCommunityFileName(std::string(999, 'n').c_str()));
    for (const char* name : {"Cessna_172SP-Jane.csv", "..csv", "a..b", "Zürich Tour.csv", " "}) {
        EXPECT_TRUE(isPlainCommunityFileName(name)) << name;
    }
}

TEST_F(CommunityCache, AMissingOrEmptyFolderGivesAnEmptyList) {
    enablePlugin();
    EXPECT_TRUE(cachedList().empty());
    std::filesystem::create_directories(libraryPath(""));
    ASSERT_TRUE(DataCache::cacheCommunityCameraFiles());
    ASSERT_TRUE(waitUntilCached());
    int read = -1;
    int total = -1;
    EXPECT_FALSE(DataCache::isCommunityFileCacheBusy(&read, &total));
    EXPECT_EQ(read, 0);
    EXPECT_EQ(total, 0);
    EXPECT_TRUE(DataCache::getCommunityFileList().empty());
    EXPECT_EQ(getCommunityAircraftFiles(), nullptr);
    EXPECT_EQ(countCommunityCameraTypes("Cessna_172SP"), 0);
}

TEST_F(CommunityCache, ASecondRequestWhileBusyIsRefusedAndLeavesTheCounters) {
    const int files = 3000;
    for (int i = 0; i < files; ++i) {
        libraryFile("file" + std::to_string(i) + ".csv",
                    communityRow("One", "A", 0) + communityRow("Two", "B", 1));
    }
    enablePlugin();
    ASSERT_TRUE(waitUntilCached());

    ASSERT_TRUE(DataCache::cacheCommunityCameraFiles());
    // Reading 3,000 files takes far longer than the next line; the check only
    // guards against a machine that stalled the test in between.
    bool busy = DataCache::isCommunityFileCacheBusy(nullptr, nullptr);
    bool second = DataCache::cacheCommunityCameraFiles();
    if (busy) {
        EXPECT_FALSE(second);
    }
    int read = -1;
    int total = -1;
    DataCache::isCommunityFileCacheBusy(&read, &total);
    EXPECT_EQ(total, files);
    EXPECT_GE(read, 0);
    EXPECT_LE(read, files);
    ASSERT_TRUE(waitUntilCached());

    // Had the second request reset the counters under the running worker,
    // they would not meet at the end.
    EXPECT_FALSE(DataCache::isCommunityFileCacheBusy(&read, &total));
    EXPECT_EQ(read, files);
    EXPECT_EQ(total, files);
    EXPECT_EQ(DataCache::getCommunityFileList().size(), static_cast<size_t>(files));
    if (!busy) {
        GTEST_SKIP() << "the worker finished before the second request";
    }
}

TEST_F(CommunityCache, TheStopWaitsForARunningWorker) {
    const int files = 2000;
    for (int i = 0; i < files; ++i) {
        libraryFile("file" + std::to_string(i) + ".csv", communityRow("One", "A", 0));
    }
    enablePlugin();
    xplane.disableAndStop();  // right after the enable's worker started

    int read = -1;
    int total = -1;
    EXPECT_FALSE(DataCache::isCommunityFileCacheBusy(&read, &total));
    EXPECT_EQ(read, files);
    EXPECT_EQ(total, files);
    EXPECT_EQ(DataCache::getCommunityFileList().size(), static_cast<size_t>(files));

    // Disabled and enabled again without camera control, whose frames would
    // join them: each enable joins the reading the last one left finished.
    xplane.startAndEnable();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(waitUntilCached());
        xpsim::disablePlugin();
        ASSERT_TRUE(xpsim::enablePlugin());
    }
    ASSERT_TRUE(waitUntilCached());
    EXPECT_EQ(heldCommunityWorkers(), 1);
}

TEST_F(CommunityCache, CountsAndCopiesTheListForTheDialogs) {
    libraryFile("a.csv", communityRow("One", "A", 0, "Cessna_172SP"));
    libraryFile("b.csv", communityRow("One", "A", 0, "Baron 58"));
    libraryFile("c.csv", communityRow("One", "A", 0, "CESSNA_172sp"));
    libraryFile("d.csv", communityRow("One", "A", 0, "Cessna_172SP Mod"));
    enablePlugin();
    ASSERT_TRUE(waitUntilCached());

    EXPECT_STREQ(getCommunityAircraftCameraDirectoryName(),
                 (xplane.pluginFolder() + "CommunityAircraftCameras").c_str());
    EXPECT_EQ(countCommunityCameraTypes("cessna_172SP"), 2);
    EXPECT_EQ(countCommunityCameraTypes("Baron 58"), 1);
    EXPECT_EQ(countCommunityCameraTypes("Baron"), 0);

    GlobalCameraFileNameEntry* copies = getCommunityAircraftFiles();
    ASSERT_NE(copies, nullptr);
    EXPECT_EQ(copies->prev, nullptr);
    std::string names;
    GlobalCameraFileNameEntry* last = nullptr;
    for (GlobalCameraFileNameEntry* e = copies; e != nullptr; e = e->next) {
        names += std::string(e->fileName) + "=" + e->properties.aircraft + ";";
        EXPECT_EQ(e->prev, last);
        EXPECT_EQ(e->isCommunityFile, 1);
        last = e;
    }
    EXPECT_EQ(names, "a.csv=Cessna_172SP;b.csv=Baron 58;c.csv=CESSNA_172sp;d.csv=Cessna_172SP Mod;");
    removeGlobalCameras(copies);
    EXPECT_EQ(DataCache::getCommunityFileList().size(), 4u);  // the cache keeps its own
}
