// Sharing the aircraft's camera file with a real FTP server on 127.0.0.1:
// what arrives on the server, the sharing record beside the camera file, and
// the message box the user gets, for good and for failing servers.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>

#include "../cameras/camera_fixture.h"
#include "cameras/files/camera_file.h"
#include "community/community_curl.h"
#include "community/community_server.h"
#include "community/share_camera_file.h"
#include "community/share_record.h"
#include "community/updater_widget.h"
#include "shell/strings.h"
#include "support/community_test_server.h"
#include "support/message_boxes.h"
#include "support/window_text.h"
#include "xpsim.h"

namespace {

const char* const kThanks =
    "Your camera file has been successfully submitted to the community server.\n\n"
    "\t\tThank you for your contribution.";
const char* const kSendError = "Unable to send aircraft file to the community server";
class ShareCameraFile : public CameraFixture {
protected:
    void SetUp() override {
        CameraFixture::SetUp();
        enablePlugin();
        ASSERT_EQ(readCameras(nullptr), 1);
        setVersion("1.0");
    }

    static void setVersion(const char* version) {
        copyText(getCurrentActiveCameraFile()->properties.fileVersion,
                 sizeof(CameraFileProperty::fileVersion), version);
    }

    std::string recordPath() const {
        return xplane.path(std::string(kCessnaFolder) + "Ovilux_Cessna_172SP.shr");
    }

    // Shares and returns the box the user then sees, as "TITLE|MESSAGE".
    // Frames, as X-Plane runs them, until the share's box shows (bounded).
    std::string share() {
        std::vector<MsgBoxView> before = liveMsgBoxes();
        shareCameraFile();
        std::string shown = "no box";
        framesUntil([&] {
            for (const MsgBoxView& box : showMessageBoxes()) {
                bool isNew = std::none_of(before.begin(), before.end(), [&](const MsgBoxView& old) {
                    return old.window == box.window;
                });
                if (isNew && (box.title == "Thank You" || box.title == "Error")) {
                    shown = box.title + "|" + box.message;
                    clickMessageBoxButton(box, true);
                    return true;
                }
            }
            return false;
        });
        return shown;
    }

    // Frames, as X-Plane runs them, until the server holds count uploads,
    // one of them the whole camera file as it is saved now (bounded).
    bool holdsWholeUpload(const CommunityTestServer& server, size_t count) const {
        auto holds = [&] {
            std::vector<std::string> held = server.sharedFiles();
            bool whole = false;
            for (const std::string& name : held) {
                whole = whole ||
                        SimulatedXPlane::readFile(server.communityFolder() + name) == readCameraFile();
            }
            return held.size() == count && whole;
        };
        framesUntil(holds);
        return holds();
    }

    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> out;
        size_t start = 0;
        for (size_t end = text.find('\n'); end != std::string::npos;
             start = end + 1, end = text.find('\n', start)) {
            out.push_back(text.substr(start, end - start));
        }
        if (start < text.size()) {
            out.push_back(text.substr(start) + "(no newline)");
        }
        return out;
    }
};

TEST_F(ShareCameraFile, FirstShareUploadsTheSavedFileUnderItsOwnNameAndWritesTheRecord) {
    // With descriptors 3 to 1100 in use (a launcher may raise the limit),
    // a share and then an update of the library end well: here in a child
    // process, whose end is the verdict.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::string shown;
            std::string updated;
            {
                CommunityTestServer server;
                struct rlimit limit;
                getrlimit(RLIMIT_NOFILE, &limit);
                limit.rlim_cur = std::max<rlim_t>(limit.rlim_cur, 2048);
                limit.rlim_max = std::max(limit.rlim_max, limit.rlim_cur);
                setrlimit(RLIMIT_NOFILE, &limit);
                int descriptor = 0;
                while ((descriptor = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0 &&
                       descriptor < 1100) {
                }
                shown = share();
                std::string error;
                xpsim::chooseMenuItem("Plugins/Ovilux/Check for Updates", &error);
                for (int i = 0; i < 3000 && UpdaterWidget::instance() != nullptr &&
                                UpdaterWidget::instance()->state() == kUpdateReadingLists;
                     ++i) {
                    xpsim::runFrames(1);
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
                UpdaterWidget* window = UpdaterWidget::instance();
                if (window != nullptr && window->state() == kUpdateListsReady) {
                    xpsim::runFrames(2);
                    clickText(window->getWindowID(), window->getImguiContext(),
                              "Update Community Files");
                    for (int i = 0; i < 3000 && window->state() != kUpdateComplete; ++i) {
                        xpsim::runFrames(1);
                        std::this_thread::sleep_for(std::chrono::milliseconds(5));
                    }
                    std::vector<std::string> sent = server.sharedFiles();
                    updated = window->state() == kUpdateComplete && sent.size() == 1
                                  ? SimulatedXPlane::readFile(xplane.pluginFolder() +
                                                              "CommunityAircraftCameras/" + sent[0])
                                  : "";
                }
                UpdaterWidget::destroy();
            }
            bool good = shown == std::string("Thank You|") + kThanks && updated == readCameraFile();
            fprintf(stderr, "share: %s; update: %s\n", shown.c_str(),
                    updated.empty() ? "not done" : "done");
            // Stopped as X-Plane would, so no thread is left at the end.
            xplane.disableAndStop();
            _exit(good ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");

    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    time_t before = time(nullptr);

    EXPECT_EQ(share(), std::string("Thank You|") + kThanks);
    time_t after = time(nullptr);

    std::vector<std::string> shared = server.sharedFiles();
    ASSERT_EQ(shared.size(), 1u);
    // Saved first, then sent byte for byte.
    EXPECT_EQ(SimulatedXPlane::readFile(server.communityFolder() + shared[0]), readCameraFile());
    bool named = false;
    for (time_t second = before; second <= after; ++second) {
        named = named || shared[0] == communityRemoteName(second, cameraFilePath(), "1.0",
                                                          "Ovilux_Cessna_172SP.csv");
    }
    EXPECT_TRUE(named) << shared[0];
    std::string expectedEnd = std::to_string(static_cast<uint64_t>(hashString("1.0"))) +
                              "_Ovilux_Cessna_172SP.csv";
    EXPECT_EQ(shared[0].substr(shared[0].size() - expectedEnd.size()), expectedEnd);

    std::vector<std::string> record = lines(SimulatedXPlane::readFile(recordPath()));
    ASSERT_EQ(record.size(), 3u);
    EXPECT_EQ(record[0].size(), 19u);  // "YYYY-MM-DD HH:MM:SS"
    EXPECT_EQ(record[0][4], '-');
    EXPECT_EQ(record[0][13], ':');
    EXPECT_EQ(record[1], "1.0");
    EXPECT_EQ(record[2], shared[0]);

    SharedCameraInfo* info = getSharedCameraInfo();
    EXPECT_EQ(info->valid, 1);
    EXPECT_STREQ(info->version, "1.0");
    EXPECT_EQ(shared[0], info->fileName);

    // A server that names another address for its data connections (behind
    // a NAT, its private one; that one dribbles without end): the data goes
    // to the address the share reached the server at.
    CommunityTestServer elsewhere("pasv-elsewhere");
    ASSERT_TRUE(elsewhere.running());
    setVersion("1.1");
    EXPECT_EQ(share(), std::string("Thank You|") + kThanks);
    std::vector<std::string> there = elsewhere.sharedFiles();
    ASSERT_EQ(there.size(), 1u);
    EXPECT_EQ(SimulatedXPlane::readFile(elsewhere.communityFolder() + there[0]), readCameraFile());
    EXPECT_TRUE(elsewhere.alive());
}

TEST_F(ShareCameraFile, SecondShareReplacesTheFirstUploadOnTheServer) {
    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    ASSERT_EQ(share(), std::string("Thank You|") + kThanks);
    std::vector<std::string> first = server.sharedFiles();
    ASSERT_EQ(first.size(), 1u);

    cameraAt(0, 0).x = 1.25f;
    setVersion("2.0");
    EXPECT_EQ(share(), std::string("Thank You|") + kThanks);

    std::vector<std::string> second = server.sharedFiles();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NE(second[0], first[0]);
    EXPECT_EQ(SimulatedXPlane::readFile(server.communityFolder() + second[0]), readCameraFile());
    EXPECT_NE(readCameraFile().find("1.250000"), std::string::npos);
    std::vector<std::string> record = lines(SimulatedXPlane::readFile(recordPath()));
    ASSERT_EQ(record.size(), 3u);
    EXPECT_EQ(record[1], "2.0");
    EXPECT_EQ(record[2], second[0]);

    // A share ended (here by disabling the plug-in) once the server took its
    // upload, whose completion reply never comes: the upload may be on the
    // server, so the record names it after the previous one, and the next
    // share removes it. The record's three lines stay byte for byte as the
    // user's editor left them; a record of one line gains the two line ends
    // the name after it needs.
    {
        CommunityTestServer withholding("withhold-completion");
        ASSERT_TRUE(withholding.running());
        setCommunityTimeLimits({30, 30, 30});
        const std::string date = record[0];
        const std::string kept[][2] = {
            {date + "\n", date + "\n\n\n"},
            {date + "\n" + std::string(2500, 'v') + "\n" + second[0] + "\n", ""},
            {date + "\n2.0" + std::string(1, '\0') + "x\n" + second[0] + "\n", ""},
            {date + "\r\n2.0\r\n" + second[0], date + "\r\n2.0\r\n" + second[0] + "\n"},
            {date + "\r\n2.0\r\n" + second[0] + "\r\n", ""},
        };
        std::string held;
        int ended = 0;
        for (const auto& [before, head] : kept) {
            SimulatedXPlane::writeFile(recordPath(), before);
            setVersion(("3." + std::to_string(ended)).c_str());
            std::vector<std::string> there = withholding.sharedFiles();
            shareCameraFile();
            ASSERT_TRUE(holdsWholeUpload(withholding, there.size() + 1)) << before;
            auto disabled = std::chrono::steady_clock::now();
            xpsim::disablePlugin();
            EXPECT_LT(framesUntilCommunityWorkersFinish(disabled), 1.5) << before;
            std::vector<std::string> now = withholding.sharedFiles();
            held.clear();
            for (const std::string& name : now) {
                if (std::find(there.begin(), there.end(), name) == there.end()) {
                    held = name;
                }
            }
            ASSERT_FALSE(held.empty());
            EXPECT_EQ(SimulatedXPlane::readFile(recordPath()),
                      (head.empty() ? before : head) + held + "\n")
                << before;
            ASSERT_TRUE(xpsim::enablePlugin());
            // Joined on a frame after the enable, and logged then.
            framesUntil([] { return !isSharingCameraFile(); });
            EXPECT_FALSE(isSharingCameraFile());
            EXPECT_EQ(countInLog("Sharing the camera file was canceled"), ++ended);
            ASSERT_EQ(readCameras(nullptr), 1);
        }
        record = lines(SimulatedXPlane::readFile(recordPath()));
        ASSERT_EQ(record.size(), 4u);
        EXPECT_EQ(record[1], "2.0\r");
        EXPECT_EQ(record[2], second[0] + "\r");
        EXPECT_EQ(record[3], held);
        // The next share goes to the good server, which holds it too.
        SimulatedXPlane::writeFile(server.communityFolder() + held, readCameraFile());
    }
    setCommunityServer("127.0.0.1:" + std::to_string(server.port()), kTestServerPassword);
    setVersion("4.0");
    EXPECT_EQ(share(), std::string("Thank You|") + kThanks);
    std::vector<std::string> third = server.sharedFiles();
    ASSERT_EQ(third.size(), 1u);
    EXPECT_EQ(SimulatedXPlane::readFile(server.communityFolder() + third[0]), readCameraFile());
    record = lines(SimulatedXPlane::readFile(recordPath()));
    ASSERT_EQ(record.size(), 3u);
    EXPECT_EQ(record[1], "4.0");
    EXPECT_EQ(record[2], third[0]);

    // The server no longer has the previous upload: it refuses its removal,
    // and the log says so with the server's reply.
    std::filesystem::remove(server.communityFolder() + third[0]);
    setVersion("5.0");
    EXPECT_EQ(share(), std::string("Thank You|") + kThanks);
    EXPECT_TRUE(logHas("Ovilux: Unable to delete " + third[0] +
                       " from the community server, error: 550 "));
    EXPECT_EQ(server.sharedFiles().size(), 1u);
}

TEST_F(ShareCameraFile, ARecordNamingSomethingOutsideTheFolderNeverDeletesIt) {
    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    // A one-line record: valid, date only; and one naming the version list.
    for (const char* record : {"2024-01-01 10:00:00\n", "2024-01-01 10:00:00\n0.9\n../Versions.txt\n"}) {
        SimulatedXPlane::writeFile(recordPath(), record);
        setVersion(record[20] == 0 ? "1.0" : "1.1");
        EXPECT_EQ(share(), std::string("Thank You|") + kThanks);
        EXPECT_TRUE(SimulatedXPlane::exists(server.root() + "/Ovilux/Versions.txt"));
        EXPECT_TRUE(std::filesystem::is_directory(server.communityFolder()));
    }
    EXPECT_EQ(server.sharedFiles().size(), 2u);
}

TEST_F(ShareCameraFile, ServerRefusingWritesShowsTheErrorAndLeavesTheRecord) {
    CommunityTestServer server("refuse-writes");
    ASSERT_TRUE(server.running());
    const std::string record = "2024-01-01 10:00:00\n0.9\nolder_Ovilux_Cessna_172SP.csv\n";
    SimulatedXPlane::writeFile(recordPath(), record);
    SimulatedXPlane::writeFile(server.communityFolder() + "older_Ovilux_Cessna_172SP.csv", "x\n");

    EXPECT_EQ(share(), std::string("Error|") + kSendError);

    EXPECT_EQ(SimulatedXPlane::readFile(recordPath()), record);
    EXPECT_EQ(server.sharedFiles(), std::vector<std::string>{"older_Ovilux_Cessna_172SP.csv"});
    EXPECT_TRUE(logHas(std::string("Ovilux: ") + kSendError + "\n"));
    EXPECT_TRUE(logHas("The community server replied: 550 Not enough privileges."));
}

TEST_F(ShareCameraFile, TransferAbortedHalfWayCountsAsFailedAndLeavesNothingBehind) {
    CommunityTestServer server("abort-transfer");
    ASSERT_TRUE(server.running());
    EXPECT_EQ(share(), std::string("Error|") + kSendError);

    EXPECT_FALSE(SimulatedXPlane::exists(recordPath()));
    EXPECT_TRUE(server.sharedFiles().empty());
    // The user's camera file was saved whole before the exchange.
    std::string saved = readCameraFile();
    EXPECT_EQ(saved.substr(0, 15), "Category Name,C");
    EXPECT_EQ(saved.back(), '\n');
}

TEST_F(ShareCameraFile, ServerDownOrLoginRefusedEachGetTheirError) {
    int closed = closedLocalPort();
    setCommunityServer("127.0.0.1:" + std::to_string(closed), kTestServerPassword);
    EXPECT_EQ(share(), "Error|Unable to connect to the community file server");
    EXPECT_TRUE(logHas("Ovilux: Unable to connect to the community file server\n"));
    // The log says why.
    EXPECT_TRUE(logHas("Ovilux: The community server: the connection to 127.0.0.1 port " +
                       std::to_string(closed) + " failed: Connection refused\n"));
    setCommunityServer("", "");

    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    setCommunityServer("127.0.0.1:" + std::to_string(server.port()), "Bad#9999999999");
    EXPECT_EQ(share(), "Error|Unable to authenticate on the community file server");
    // The reply on one line; the password nowhere.
    EXPECT_TRUE(logHas("Ovilux: Unable to authenticate on the community file server, error: 530 "));
    std::string log = xpsim::logText();
    size_t at = log.find("error: 530 ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(log.find('\r', at), std::string::npos);
    EXPECT_EQ(log.find("Bad#9999999999"), std::string::npos);
    EXPECT_EQ(log.find(kTestServerPassword), std::string::npos);
    EXPECT_TRUE(server.sharedFiles().empty());
    EXPECT_FALSE(SimulatedXPlane::exists(recordPath()));
    setCommunityServer("", "");

    // A server that fills up: its 421 to the upload, and then as the greeting
    // of the next share's connection, is its refusal (libcurl reports it as a
    // time limit), named with its reply and never as a limit.
    {
        const std::string full =
            "Ovilux: The community server replied: 421 There are too many connected users, "
            "please try later.\n";
        CommunityTestServer filling("too-many-users");
        ASSERT_TRUE(filling.running());
        EXPECT_EQ(share(), std::string("Error|") + kSendError);
        EXPECT_EQ(countInLog(full), 1);
        EXPECT_EQ(share(), "Error|Unable to connect to the community file server");
        EXPECT_EQ(countInLog(full), 2);
        EXPECT_FALSE(logHas("within"));
        EXPECT_TRUE(filling.sharedFiles().empty());
        EXPECT_FALSE(SimulatedXPlane::exists(recordPath()));
    }

    // A server that accepts and says nothing, or says it one byte a second:
    // the frames go on while the share waits, and it ends with its error
    // once the server's reply is overdue (long before the server goes away).
    int overdue = 0;
    for (const char* mode : {"silent", "drip"}) {
        CommunityTestServer misbehaving(mode);
        ASSERT_TRUE(misbehaving.running());
        setCommunityTimeLimits({5, 2, 2});
        int threads = processThreadCount();
        EXPECT_EQ(share(), "Error|Unable to connect to the community file server") << mode;
        EXPECT_EQ(countInLog("The community server: the server did not answer within 2 seconds"),
                  ++overdue)
            << mode;
        EXPECT_TRUE(misbehaving.alive()) << mode;
        // The box came once the worker was joined; its thread goes with it.
        EXPECT_LE(settledThreadCount(threads), threads) << mode;
    }

    // Disabling or stopping the plug-in while a share waits: the call cuts
    // the exchange off and returns (the stop joins the worker, which then
    // ends at once), the share has ended within a second and a half, and it
    // is logged as canceled once joined: at the stop, or on a frame after
    // the next enable.
    int canceled = 0;
    int threads = processThreadCount();
    auto endShareBy = [&](bool stop) {
        ASSERT_TRUE(isSharingCameraFile()) << stop;
        auto started = std::chrono::steady_clock::now();
        if (stop) {
            xpsim::stopPlugin();
        } else {
            xpsim::disablePlugin();
        }
        std::chrono::duration<double> call = std::chrono::steady_clock::now() - started;
        EXPECT_LT(call.count(), 1.5) << stop;
        EXPECT_LT(framesUntilCommunityWorkersFinish(started), 1.5) << stop;
        if (stop) {
            ASSERT_TRUE(xpsim::startPlugin());
        }
        ASSERT_TRUE(xpsim::enablePlugin());
        framesUntil([] { return !isSharingCameraFile(); });
        EXPECT_FALSE(isSharingCameraFile()) << stop;
        EXPECT_EQ(countInLog("Sharing the camera file was canceled"), ++canceled) << stop;
        EXPECT_LE(settledThreadCount(threads), threads) << stop;
        ASSERT_EQ(readCameras(nullptr), 1);
    };
    CommunityTestServer silent("silent");
    ASSERT_TRUE(silent.running());
    setCommunityTimeLimits({30, 30, 30});
    size_t boxes = liveMsgBoxes().size();
    shareCameraFile();
    EXPECT_EQ(showMessageBoxes().size(), boxes);
    endShareBy(false);
    EXPECT_EQ(showMessageBoxes().size(), boxes);
    EXPECT_TRUE(silent.alive());
    EXPECT_FALSE(SimulatedXPlane::exists(recordPath()));

    // A data connection that is never accepted (a full accept queue, as a
    // firewall that drops it): the share fails with why once the connect
    // limit passes, and disabling or stopping the plug-in while it waits
    // ends it at once.
    CommunityTestServer fullQueue("full-queue");
    ASSERT_TRUE(fullQueue.running());
    setCommunityTimeLimits({2, 2, 2});
    EXPECT_EQ(share(), std::string("Error|") + kSendError);
    EXPECT_TRUE(logHas("Ovilux: The community server: the data connection to 127.0.0.1 port "));
    EXPECT_EQ(countInLog(" was not accepted within 2 seconds\n"), 1);
    // No reply that said yes is given as the reason.
    EXPECT_FALSE(logHas("Ovilux: The community server replied: 2"));
    EXPECT_FALSE(logHas("Ovilux: The community server: 2"));
    EXPECT_FALSE(SimulatedXPlane::exists(recordPath()));
    // Only these end it: the limits outlast the test.
    setCommunityTimeLimits({30, 30, 30});
    for (bool stop : {false, true}) {
        shareCameraFile();
        endShareBy(stop);
        EXPECT_TRUE(fullQueue.alive());
    }
    EXPECT_FALSE(SimulatedXPlane::exists(recordPath()));
    EXPECT_TRUE(fullQueue.sharedFiles().empty());

    // A system without libcurl: the share says so, and nothing else changes.
    CommunityTestServer good;
    ASSERT_TRUE(good.running());
    hideCommunityCurlLibraries({"libcurl.so.4", "libcurl-gnutls.so.4", "libcurl-nss.so.4"});
    const char* noCurl =
        "The community files need libcurl (libcurl.so.4, libcurl-gnutls.so.4 or "
        "libcurl-nss.so.4), which this system does not have";
    EXPECT_EQ(share(), std::string("Error|") + noCurl);
    EXPECT_EQ(countInLog(std::string("Ovilux: ") + noCurl + "\n"), 1);
    EXPECT_TRUE(logHas("libcurl-nss.so.4: hidden"));
    EXPECT_FALSE(isSharingCameraFile());
    EXPECT_TRUE(good.sharedFiles().empty());
    EXPECT_FALSE(SimulatedXPlane::exists(recordPath()));
    hideCommunityCurlLibraries({});
    setVersion("3.0");
    EXPECT_EQ(share(), std::string("Thank You|") + kThanks);

    // A server that takes the upload whole but never confirms it, and never
    // answers QUIT: disabling or stopping the plug-in ends the share within
    // a second and a half.
    {
        CommunityTestServer withholding("withhold-completion");
        ASSERT_TRUE(withholding.running());
        // Only these end it: the limits outlast the server.
        setCommunityTimeLimits({30, 30, 30});
        size_t held = 0;
        for (bool stop : {false, true}) {
            setVersion(stop ? "4.1" : "4.0");
            shareCameraFile();
            ASSERT_TRUE(holdsWholeUpload(withholding, ++held)) << stop;
            endShareBy(stop);
            EXPECT_TRUE(withholding.alive());
        }
    }

    // A server that serves one session only, whose data connection is never
    // accepted: the upload it never received is not deleted on a second
    // connection, so the "Error" box comes once the connect limit has gone
    // by, not twice that.
    {
        CommunityTestServer single("one-connection");
        ASSERT_TRUE(single.running());
        setCommunityTimeLimits({3, 3, 3});
        auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(share(), std::string("Error|") + kSendError);
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        EXPECT_LT(took.count(), 2 * 3.0);
        EXPECT_TRUE(single.alive());
        EXPECT_TRUE(single.sharedFiles().empty());
    }
}

TEST_F(ShareCameraFile, ARecordThatCannotBeWrittenKeepsThePreviousUploadForTheNextShare) {
    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    ASSERT_EQ(share(), std::string("Thank You|") + kThanks);
    std::string record = SimulatedXPlane::readFile(recordPath());
    std::vector<std::string> first = server.sharedFiles();
    ASSERT_EQ(first.size(), 1u);
    // The user made the record read-only: it is not replaced.
    ASSERT_EQ(chmod(recordPath().c_str(), 0444), 0);

    setVersion("2.0");
    EXPECT_EQ(share(), std::string("Thank You|") + kThanks);

    EXPECT_EQ(SimulatedXPlane::readFile(recordPath()), record);
    EXPECT_TRUE(logHas("Ovilux: Unable to create shared data file " + recordPath()));
    std::vector<std::string> now = server.sharedFiles();
    EXPECT_EQ(now.size(), 2u);
    EXPECT_TRUE(std::find(now.begin(), now.end(), first[0]) != now.end());
    chmod(recordPath().c_str(), 0644);
}

TEST_F(ShareCameraFile, TheRecordIsNamedAfterTheAircraftUpToItsFirstPointAndReadLineByLine) {
    loadAircraft("Aircraft/Laminar Research/Cessna 172 SP/My.Plane.acf");
    char path[2000];
    EXPECT_EQ(std::string(getSharedCameraFilePath(path)),
              xplane.path(std::string(kCessnaFolder) + "Ovilux_My.shr"));

    // No record: not valid, all empty.
    SharedCameraInfo* info = getSharedCameraInfo();
    EXPECT_EQ(info->valid, 0);
    EXPECT_STREQ(info->date, "");

    SimulatedXPlane::writeFile(path, "2024-01-01 10:00:00\n");
    info = getSharedCameraInfo();
    EXPECT_EQ(info->valid, 1);
    EXPECT_STREQ(info->date, "2024-01-01 10:00:00");
    EXPECT_STREQ(info->version, "");
    EXPECT_STREQ(info->fileName, "");
    EXPECT_TRUE(logHas(std::string("Ovilux: Unable to read shared version number from ") + path));
    EXPECT_TRUE(logHas(std::string("Ovilux: Unable to read shared file name from ") + path));

    // A line longer than the field is cut, and does not run into the next.
    SimulatedXPlane::writeFile(path, std::string(2500, 'd') + "\nv\nname.csv\n");
    info = getSharedCameraInfo();
    EXPECT_EQ(std::string(info->date), std::string(1999, 'd'));
    EXPECT_STREQ(info->version, "v");
    EXPECT_STREQ(info->fileName, "name.csv");
}

}  // namespace
