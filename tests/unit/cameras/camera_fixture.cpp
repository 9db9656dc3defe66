#include "camera_fixture.h"

#include <filesystem>

#include "cameras/files/camera_columns.h"
#include "libwinkit/message_box.h"
#include "shell/settings.h"
#include "shell/speech.h"
#include "xpsim.h"

void CameraFixture::SetUp() {
    *getSettings() = Settings();
    SpeechManager::clear();
    removeMsgBoxManager();
    initCategories();
    getCategoryCache(0)->numberOfCategories = 0;
    getCategoryCache(1)->numberOfCategories = 0;
    xpsim::setUserAircraft(kCessna);
}

void CameraFixture::TearDown() {
    xplane.disableAndStop();
    initCategories();
    removeMsgBoxManager();
}

void CameraFixture::enablePlugin() { xplane.startAndEnable(); }

void CameraFixture::loadAircraft(const char* relativePath) {
    xpsim::setUserAircraft(relativePath);
    xpsim::sendMessage(XPLM_MSG_PLANE_LOADED, 0);
}

std::string CameraFixture::cameraFilePath() const {
    return xplane.path(std::string(kCessnaFolder) + "Ovilux_Cessna_172SP.csv");
}

std::string CameraFixture::readCameraFile() const {
    return SimulatedXPlane::readFile(cameraFilePath());
}

void CameraFixture::writeCameraFile(const std::string& text) const {
    SimulatedXPlane::writeFile(cameraFilePath(), text);
}

bool CameraFixture::logHas(const std::string& text) const {
    return xpsim::logText().find(text) != std::string::npos;
}

int CameraFixture::countInLog(const std::string& text) const {
    std::string log = xpsim::logText();
    int count = 0;
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<std::pair<std::string, std::string>> CameraFixture::messageBoxes() const {
    std::vector<std::pair<std::string, std::string>> boxes;
    for (const MsgBoxView& box : liveMsgBoxes()) {
        boxes.emplace_back(box.title, box.message);
    }
    for (const auto& request : getMsgBoxManager()->pendingRequests()) {
        boxes.emplace_back(request.title, request.message);
    }
    return boxes;
}

std::vector<std::string> rowFields(const std::string& category, const std::string& name,
                                   int viewId) {
    std::vector<std::string> fields = {
        category, name, std::to_string(viewId), "0.000000", "0.000000", "0.000000", "0.000000",
        "0.000000", "FALSE", "FALSE", "FALSE", "TRUE", "TRUE", "FALSE", "0", "FALSE", "FALSE",
        "0.000000", "0.000000", "0.000000", "0.000000", "0.000000", "0.000000", "1.000000",
        "0.000000", "FALSE", "FALSE", "FALSE", "FALSE", "0.000000", "0.000000", "FALSE", "FALSE",
        "FALSE", "FALSE", "FALSE", "1", "FALSE", "0", "0.0", "FALSE", "2.4.3", "60.000000",
        "Cessna_172SP", " ", "1.0 ", "0", "FALSE", "0", "0", "0", "FALSE", "0.000000", "FALSE",
        "FALSE", "FALSE", "FALSE", "0.000000", "0", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
        "0.000000", "FALSE", "0.0", "0", "0", "FALSE"};
    return fields;
}

std::string joinRow(const std::vector<std::string>& fields) {
    std::string row;
    for (size_t i = 0; i < fields.size(); ++i) {
        row += (i > 0 ? "," : "") + fields[i];
    }
    return row + "\n";
}

std::string headerLine() { return cameraFileHeader(); }

Camera& cameraAt(int category, int index) { return getCategory(category)->cameras[index]; }
