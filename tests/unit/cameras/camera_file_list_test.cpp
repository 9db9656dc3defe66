// The airport camera files next to the aircraft's: the list built at enable,
// codes and nearest airports, and switching between the two kinds of set.
#include <gtest/gtest.h>

#include <filesystem>

#include "camera_fixture.h"
#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_selection.h"
#include "positioning/pipeline/camera_control.h"
#include "xpsim.h"

namespace {

const char* const kAptDat = "Global Scenery/Global Airports/Earth nav data/apt.dat";

class CameraFileList : public CameraFixture {
protected:
    void writeAirportFile(const std::string& folder, const std::string& name,
                          const std::string& text = "") {
        SimulatedXPlane::writeFile(xplane.pluginFolder() + folder + "/" + name, text);
    }

    std::vector<std::string> listedNames() {
        std::vector<std::string> names;
        for (GlobalCameraFileNameEntry* e = getGlobalCameraFileNameList()->next; e != nullptr;
             e = e->next) {
            names.push_back(std::to_string(e->directoryIndex) + ":" + e->fileName);
        }
        return names;
    }

    void writeAirports() {
        SimulatedXPlane::writeFile(xplane.path(kAptDat),
                                   "1 13 0 0 KSFO San Francisco Intl\n"
                                   "1302 datum_lat 37.618999\n1302 datum_lon -122.375\n"
                                   "1 9 0 0 KOAK Oakland Intl\n"
                                   "1302 datum_lat 37.721278\n1302 datum_lon -122.220722\n"
                                   "1 21 0 0 KSQL San Carlos\n"
                                   "1302 datum_lat 37.511944\n1302 datum_lon -122.249444\n"
                                   "1 27 0 0 KSMF Sacramento Intl\n"
                                   "1302 datum_lat 38.695417\n1302 datum_lon -121.590778\n99\n");
        xpsim::rebuildNavDatabase();
    }
};

TEST_F(CameraFileList, ListsRegularFilesOfBothFoldersInOrder) {
    writeAirportFile("MyAirportCameras", "KSFO.csv");
    writeAirportFile("MyAirportCameras", "README");
    writeAirportFile("MyAirportCameras", ".hidden.csv");
    std::filesystem::create_directories(xplane.pluginFolder() + "MyAirportCameras/KSEA.csv");
    writeAirportFile("CommunityAirportCameras", "KSFO-Tour.csv");
    enablePlugin();

    EXPECT_EQ(listedNames(),
              (std::vector<std::string>{"0:KSFO.csv", "0:README", "1:KSFO-Tour.csv"}));
    GlobalCameraFileNameEntry* head = getGlobalCameraFileNameList();
    EXPECT_EQ(head->fileType, 0);
    EXPECT_EQ(getAirportIcaoCode(head), "");
    GlobalCameraFileNameEntry* ksfo = head->next;
    EXPECT_EQ(ksfo->fileType, 1);
    EXPECT_EQ(std::string(ksfo->path), xplane.pluginFolder() + "MyAirportCameras/KSFO.csv");
    EXPECT_STREQ(ksfo->properties.oviluxVersion, "2.4.3");
    EXPECT_EQ(getAirportIcaoCode(ksfo), "KSFO");
    EXPECT_EQ(getAirportIcaoCode(ksfo->next), "");
    EXPECT_EQ(getAirportIcaoCode(ksfo->next->next), "KSFO");
}

TEST_F(CameraFileList, CodesFindTheUsersFileBeforeCommunityFiles) {
    writeAirportFile("CommunityAirportCameras", "KSFO-Bay.csv");
    writeAirportFile("MyAirportCameras", "KSFO.csv");
    writeAirportFile("CommunityAirportCameras", "KOAK-One.csv");
    writeAirportFile("CommunityAirportCameras", "KOAK-Two.csv");
    writeAirportFile("MyAirportCameras", "README");
    enablePlugin();

    EXPECT_STREQ(findCameraByIcaoCode("ksfo")->fileName, "KSFO.csv");
    EXPECT_STREQ(findCameraByIcaoCode("KSF")->fileName, "KSFO.csv");  // any piece of the name will do
    EXPECT_STREQ(findCameraByIcaoCode("KOAK")->fileName, "KOAK-Two.csv");
    EXPECT_EQ(findCameraByIcaoCode(""), nullptr);
    EXPECT_EQ(findCameraByIcaoCode("KLAX"), nullptr);
    EXPECT_EQ(addGlobalCameraFile(""), nullptr);
    EXPECT_EQ(addGlobalCameraFile("../KLAX"), nullptr);
    EXPECT_EQ(listedNames().size(), 5u);
}

TEST_F(CameraFileList, NearestAirportFileByCodeThenByDistance) {
    writeAirports();
    writeAirportFile("MyAirportCameras", "KOAK.csv");
    writeAirportFile("MyAirportCameras", "KSQL.csv");
    enablePlugin();
    getAirportLocations();

    GlobalCameraFileNameEntry* oak = findCameraByIcaoCode("KOAK");
    EXPECT_NEAR(oak->airportLat, 37.721278, 1e-4);
    EXPECT_NEAR(oak->airportLon, -122.220722, 1e-4);

    xpsim::placeAircraft(37.7213, -122.2207, 3);
    EXPECT_EQ(getNearestAirportIcaoCode(), "KOAK");
    EXPECT_EQ(findNearestAirportCameraFile(), oak);

    // At KSFO, which has no file, the nearer of the two files within 20 nm.
    xpsim::placeAircraft(37.6190, -122.3750, 4);
    EXPECT_EQ(getNearestAirportIcaoCode(), "KSFO");
    EXPECT_STREQ(findNearestAirportCameraFile()->fileName, "KSQL.csv");

    xpsim::placeAircraft(38.6954, -121.5908, 8);  // Sacramento, far from both
    EXPECT_EQ(getNearestAirportIcaoCode(), "KSMF");
    EXPECT_EQ(findNearestAirportCameraFile(), nullptr);
}

TEST_F(CameraFileList, FilesStayFoundByDistanceAfterADisableAndEnable) {
    writeAirports();
    writeAirportFile("MyAirportCameras", "KSQL.csv");
    enablePlugin();
    xpsim::sendMessage(XPLM_MSG_AIRPORT_LOADED, 0);
    xpsim::placeAircraft(37.6190, -122.3750, 4);  // at KSFO, which has no file
    ASSERT_STREQ(findNearestAirportCameraFile()->fileName, "KSQL.csv");

    xpsim::disablePlugin();
    xpsim::enablePlugin();
    xpsim::sendMessage(XPLM_MSG_AIRPORT_LOADED, 0);  // not the first: no lookup of its own
    GlobalCameraFileNameEntry* nearest = findNearestAirportCameraFile();
    ASSERT_NE(nearest, nullptr);
    EXPECT_STREQ(nearest->fileName, "KSQL.csv");
    EXPECT_NEAR(nearest->airportLat, 37.511944, 1e-4);
}

TEST_F(CameraFileList, AddingAFileForACodeCreatesItOnce) {
    writeAirports();
    enablePlugin();
    GlobalCameraFileNameEntry* entry = addGlobalCameraFile("KSFO");
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->fileName, "KSFO.csv");
    EXPECT_EQ(entry->directoryIndex, 0);
    EXPECT_NEAR(entry->airportLat, 37.618999, 1e-4);
    EXPECT_EQ(addGlobalCameraFile("KSFO"), entry);
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"0:KSFO.csv"}));

    xpsim::placeAircraft(37.7213, -122.2207, 3);
    GlobalCameraFileNameEntry* nearest = addGlobalCameraFile(nullptr);
    ASSERT_NE(nearest, nullptr);
    EXPECT_STREQ(nearest->fileName, "KOAK.csv");
}

TEST_F(CameraFileList, AirportAndAircraftSetsAreKeptAcrossTheSwitch) {
    writeAirports();
    enablePlugin();
    std::string aircraftSet = headerLine() + joinRow(rowFields("Cockpit", "Pilot", 1)) +
                              joinRow(rowFields("Outside", "Chase", 0)) +
                              joinRow(rowFields("Outside", "Wing", 2));
    writeCameraFile(aircraftSet);
    ASSERT_EQ(readCameras(nullptr), 1);
    EXPECT_EQ(getNumberOfFavorites(), 2);

    // A new airport file: the default airport set, written at once.
    xpsim::placeAircraft(37.6190, -122.3750, 4, 90);
    GlobalCameraFileNameEntry* airport = addGlobalCameraFile("KSFO");
    ASSERT_EQ(readCameras(airport), 1);
    EXPECT_EQ(getCurrentActiveCameraFile(), airport);
    EXPECT_STREQ(getCategory(0)->name, "Airport");
    Camera* tower = getCurrentCamera();
    EXPECT_STREQ(tower->name, "Camera 1");
    EXPECT_TRUE(tower->freeCamera);
    EXPECT_TRUE(tower->external);
    EXPECT_EQ(tower->isAirportCamera, 1);
    EXPECT_EQ(tower->initialMovementRange, 2);
    EXPECT_FLOAT_EQ(tower->heading, 90.0f);
    EXPECT_NEAR(tower->latitude, 37.6190, 1e-4);
    std::string airportText = SimulatedXPlane::readFile(airport->path);
    EXPECT_NE(airportText.find(",N/A, ,"), std::string::npos);
    EXPECT_EQ(getNumberOfFavorites(), 2);  // the aircraft's favourites stay counted
    EXPECT_EQ(getCategoryCache(0)->numberOfCategories, 2);
    EXPECT_STREQ(getCategoryCache(0)->categories[1].cameras[1].name, "Wing");

    // An ID only the aircraft set has brings that set back, at that camera,
    // with X-Plane's view held on a copy of the airport camera meanwhile.
    ASSERT_EQ(selectCameraByViewID(2), 1);
    EXPECT_EQ(getCurrentActiveCameraFile(), getGlobalCameraFileNameList());
    EXPECT_STREQ(getCurrentCamera()->name, "Wing");
    ASSERT_NE(getCurrentFreeCamera(), nullptr);
    EXPECT_STREQ(getCurrentFreeCamera()->name, "Camera 1");
    EXPECT_EQ(getCategoryCache(1)->numberOfCategories, 1);
    EXPECT_EQ(readCameraFile(), aircraftSet);

    // Each file returns to its own cursor.
    setCategory(1);
    setCameraIndex(0);
    ASSERT_EQ(readCameras(airport), 1);
    EXPECT_STREQ(getCurrentCamera()->name, "Camera 1");
    ASSERT_EQ(readCameras(getGlobalCameraFileNameList()), 1);
    EXPECT_STREQ(getCurrentCamera()->name, "Chase");
}

TEST_F(CameraFileList, ReEnablingKeepsTheActiveFile) {
    writeAirportFile("MyAirportCameras", "KSFO.csv");
    enablePlugin();
    GlobalCameraFileNameEntry* airport = findCameraByIcaoCode("KSFO");
    ASSERT_EQ(readCameras(airport), 1);
    xpsim::disablePlugin();
    writeAirportFile("MyAirportCameras", "KOAK.csv");
    xpsim::enablePlugin();
    EXPECT_EQ(getCurrentActiveCameraFile(), airport);
    EXPECT_EQ(findCameraByIcaoCode("KSFO"), airport);
    EXPECT_NE(findCameraByIcaoCode("KOAK"), nullptr);
    EXPECT_EQ(saveCameras(false, false), 1);
}

}  // namespace
