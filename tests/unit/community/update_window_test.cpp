// The update window against a real FTP server on 127.0.0.1, read and clicked
// as a pilot uses it: the server's version list and counts, the update that
// brings the community library into line, and every failing server leaving
// the library as it was with the window's error text.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "community/community_curl.h"
#include "community/community_server.h"
#include "community/updater_widget.h"
#include "community_fixture.h"
#include "support/community_test_server.h"
#include "support/window_text.h"
#include "xpsim.h"

namespace {

class UpdateWindow : public CommunityLibraryTest {
protected:
    void SetUp() override {
        CommunityLibraryTest::SetUp();
        enablePlugin();
        // Camera control on: its flight loop rebuilds the cache on request.
        xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
        xpsim::runFrames(2);
        ASSERT_TRUE(waitUntilCached());
    }
    void TearDown() override {
        UpdaterWidget::destroy();
        CommunityLibraryTest::TearDown();
    }

    static UpdaterWidget* window() { return UpdaterWidget::instance(); }

    // Opens the window from the plug-in menu and waits for the worker's end.
    void open() {
        std::string error;
        ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Check for Updates", &error)) << error;
        ASSERT_NE(window(), nullptr);
        settle();
    }
    // Frames until no worker runs (bounded), then a frame that draws the end.
    static void settle() {
        framesUntil([] {
            return window() == nullptr || (window()->state() != kUpdateReadingLists &&
                                           window()->state() != kUpdateUpdating);
        });
        xpsim::runFrames(2);
    }
    static std::vector<TextRun> text() {
        return readWindowText(window()->getImguiContext(), window()->getWindowID());
    }
    static bool shows(const std::string& what) { return findText(text(), what) != nullptr; }
    // The window's text as one line: wrapped texts read whole.
    static bool showsWrapped(const std::string& what) {
        std::string all;
        for (const TextRun& run : text()) {
            all += run.text + " ";
        }
        return all.find(what) != std::string::npos;
    }
    static void click(const std::string& label) {
        ASSERT_TRUE(clickText(window()->getWindowID(), window()->getImguiContext(), label))
            << label << " is not shown in\n" << allText(text());
        // The window acts on the release in the frame after it saw it.
        xpsim::runFrames(2);
    }
    std::vector<std::string> library() const {
        std::vector<std::string> names;
        std::error_code ignored;
        for (const auto& entry :
             std::filesystem::directory_iterator(libraryPath(""), ignored)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    static void serverFile(const CommunityTestServer& server, const std::string& name,
                           const std::string& text) {
        SimulatedXPlane::writeFile(server.communityFolder() + name, text);
    }
    static std::string cameraFile(const std::string& aircraft) {
        return headerLine() + communityRow("Cockpit", "Pilot", 1, aircraft);
    }
    // A download's temporary file is in the library.
    bool downloadBegun() const {
        for (const std::string& name : library()) {
            if (name.rfind(".download_", 0) == 0) {
                return true;
            }
        }
        return false;
    }
    // A download's temporary file in the library holds the whole text.
    bool downloadArrivedWhole(const std::string& whole) const {
        for (const std::string& name : library()) {
            if (name.rfind(".download_", 0) == 0 &&
                SimulatedXPlane::readFile(libraryPath(name)) == whole) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(UpdateWindow, ShowsTheVersionListAndCountsThenUpdatesTheLibrary) {
    mode_t userMask = umask(027);
    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    SimulatedXPlane::writeFile(server.root() + "/Ovilux/Versions.txt",
                               "Ovilux 2.4.4 is out\n\nGet it at https://example.org/ovilux\n");
    serverFile(server, "Ovilux_Alpha.csv", cameraFile("Alpha"));
    serverFile(server, "Ovilux_Bravo.csv", cameraFile("Bravo"));
    serverFile(server, "Ovilux_CHARLIE.csv", cameraFile("Charlie"));
    libraryFile("ovilux_charlie.csv", cameraFile("Charlie local"));
    libraryFile("Mine.csv", cameraFile("Mine"));

    open();
    ASSERT_EQ(window()->state(), kUpdateListsReady) << allText(text());
    EXPECT_TRUE(shows("Your are currently running Ovilux 2.4.3"));
    EXPECT_TRUE(shows("Ovilux 2.4.4 is out"));
    EXPECT_TRUE(shows("Get it at https://example.org/ovilux"));
    EXPECT_EQ(findText(text(), "Copy")->text, "Copy");
    EXPECT_TRUE(shows("Community Aircraft Files Server Count: 3"));
    EXPECT_TRUE(shows("Community Aircraft Files Local Count: 2"));
    EXPECT_TRUE(shows("Local Files to be Removed: 1"));
    EXPECT_TRUE(shows("Server Files to be Downloaded: 2"));
    EXPECT_TRUE(shows("Close"));

    // Only the line with an address has a Copy button; it copies the line.
    int copies = 0;
    for (const TextRun& run : text()) {
        copies += run.text == "Copy" ? 1 : 0;
    }
    EXPECT_EQ(copies, 1);
    xpsim::installClipboardTool();
    click("Copy");
    std::string pasted;
    ASSERT_TRUE(xpsim::clipboardText(&pasted));
    EXPECT_EQ(pasted, "Get it at https://example.org/ovilux");

    click("Update Community Files");
    settle();
    ASSERT_EQ(window()->state(), kUpdateComplete) << allText(text());
    EXPECT_TRUE(shows("Update Complete"));
    EXPECT_EQ(library(), (std::vector<std::string>{"Ovilux_Alpha.csv", "Ovilux_Bravo.csv",
                                                     "ovilux_charlie.csv"}));
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("Ovilux_Alpha.csv")), cameraFile("Alpha"));
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("ovilux_charlie.csv")),
              cameraFile("Charlie local"));
    // Readable as the user's other files are.
    struct stat downloaded;
    ASSERT_EQ(stat(libraryPath("Ovilux_Alpha.csv").c_str(), &downloaded), 0);
    EXPECT_EQ(downloaded.st_mode & 0777, 0640u);
    umask(userMask);

    // The main flight loop reads the library again.
    xpsim::runFrames(2);
    std::vector<GlobalCameraFileNameEntry> cached = cachedList();
    EXPECT_EQ(cached.size(), 3u);
    EXPECT_NE(find(cached, "Ovilux_Bravo.csv"), nullptr);
    EXPECT_EQ(find(cached, "Mine.csv"), nullptr);

    click("Close");
    xpsim::runFrames(2);
    EXPECT_EQ(window(), nullptr);

    // A version list of a million lines, its first 3000 characters long: the
    // window keeps 200 lines of 999 characters and says so in the log.
    std::string versions = "Ovilux 9.9.9 " + std::string(3000, 'x') + "\n";
    for (int i = 0; i < 1000000; ++i) {
        versions += "Line " + std::to_string(i) + " https://example.org/\n";
    }
    SimulatedXPlane::writeFile(server.root() + "/Ovilux/Versions.txt", versions);
    open();
    ASSERT_EQ(window()->state(), kUpdateListsReady) << allText(text());
    EXPECT_TRUE(shows("Ovilux 9.9.9 xxx"));
    EXPECT_TRUE(shows("Line 0 https://example.org/"));
    EXPECT_EQ(countInLog("Only the first 200 lines of the Ovilux version list, each cut at 999 "
                         "characters, are shown"),
              1);
}

TEST_F(UpdateWindow, NothingToDoOffersOnlyCloseAndTheLibraryFolderIsMadeWhenMissing) {
    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    serverFile(server, "Ovilux_Alpha.csv", cameraFile("Alpha"));
    libraryFile("OVILUX_ALPHA.CSV", cameraFile("Alpha"));
    open();
    EXPECT_TRUE(shows("Local Files to be Removed: 0")) << allText(text());
    EXPECT_TRUE(shows("Server Files to be Downloaded: 0"));
    EXPECT_FALSE(shows("Update Community Files"));
    EXPECT_TRUE(shows("Close"));
    UpdaterWidget::destroy();

    std::filesystem::remove_all(libraryPath(""));
    open();
    EXPECT_TRUE(shows("Community Aircraft Files Local Count: 0")) << allText(text());
    click("Update Community Files");
    settle();
    EXPECT_TRUE(shows("Update Complete")) << allText(text());
    EXPECT_EQ(library(), std::vector<std::string>{"Ovilux_Alpha.csv"});
}

TEST_F(UpdateWindow, CancelStopsBetweenFilesAndLeavesNoPartialFile) {
    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    for (int i = 0; i < 1500; ++i) {
        serverFile(server, "Ovilux_Plane" + std::to_string(1000 + i) + ".csv", cameraFile("P"));
    }
    open();
    ASSERT_TRUE(shows("Server Files to be Downloaded: 1500")) << allText(text());
    click("Update Community Files");
    xpsim::runFrames(1);
    ASSERT_EQ(window()->state(), kUpdateUpdating);
    EXPECT_TRUE(shows("Updating Local Community Aircraft Files..."));
    EXPECT_NE(findText(text(), "/1500"), nullptr) << allText(text());
    click("Cancel");
    settle();
    ASSERT_EQ(window()->state(), kUpdateCancelled) << allText(text());
    EXPECT_TRUE(shows("Update Canceled"));
    std::vector<std::string> names = library();
    EXPECT_LT(names.size(), 1500u);
    for (const std::string& name : names) {
        EXPECT_EQ(SimulatedXPlane::readFile(libraryPath(name)), cameraFile("P")) << name;
    }
    UpdaterWidget::destroy();

    // A download that comes one byte a second: "Cancel" ends it at once, and
    // so does disabling the plug-in; no temporary file stays behind.
    std::filesystem::remove_all(libraryPath(""));
    CommunityTestServer dripping("drip-downloads");
    ASSERT_TRUE(dripping.running());
    serverFile(dripping, "Ovilux_Slow.csv", cameraFile("S"));
    int threads = processThreadCount();
    open();
    ASSERT_TRUE(shows("Server Files to be Downloaded: 1")) << allText(text());
    click("Update Community Files");
    xpsim::runFrames(5);
    ASSERT_EQ(window()->state(), kUpdateUpdating);
    auto pressed = std::chrono::steady_clock::now();
    click("Cancel");
    EXPECT_LT(framesUntilCommunityWorkersFinish(pressed), 1.5);
    settle();
    ASSERT_EQ(window()->state(), kUpdateCancelled);
    EXPECT_TRUE(shows("Update Canceled")) << allText(text());
    EXPECT_TRUE(library().empty());
    EXPECT_LE(settledThreadCount(threads), threads);
    UpdaterWidget::destroy();

    open();
    click("Update Community Files");
    xpsim::runFrames(5);
    ASSERT_EQ(window()->state(), kUpdateUpdating);
    auto disabled = std::chrono::steady_clock::now();
    xpsim::disablePlugin();
    EXPECT_EQ(window(), nullptr);
    EXPECT_LT(framesUntilCommunityWorkersFinish(disabled), 1.5);
    EXPECT_TRUE(library().empty());
    EXPECT_LE(settledThreadCount(threads), threads);
    EXPECT_TRUE(dripping.alive());
    ASSERT_TRUE(xpsim::enablePlugin());

    // A server that sends the download whole but never its completion reply,
    // and never answers QUIT (a hung server, or a NAT that dropped the control
    // connection during the transfer): once the download has arrived whole
    // in its temporary file, the close box, "Cancel", disabling and stopping
    // each hold X-Plane less than a second, the update has ended within a
    // second and a half ("Cancel" showing "Update Canceled"), and nothing of
    // the download stays. The limits outlast the test, so only these end it.
    for (const std::string end : {"close box", "Cancel", "disable", "stop"}) {
        CommunityTestServer withholding("withhold-completion");
        ASSERT_TRUE(withholding.running());
        setCommunityTimeLimits({30, 30, 30});
        serverFile(withholding, "Ovilux_Held.csv", cameraFile("H"));
        open();
        ASSERT_TRUE(shows("Server Files to be Downloaded: 1")) << end << "\n" << allText(text());
        click("Update Community Files");
        framesUntil([this] { return downloadArrivedWhole(cameraFile("H")); });
        ASSERT_TRUE(downloadArrivedWhole(cameraFile("H"))) << end;
        ASSERT_EQ(window()->state(), kUpdateUpdating) << end;
        // The longest call of X-Plane's into the plug-in that ends it: a
        // frame holds X-Plane less than a second, disabling and stopping less
        // than a second and a half.
        double held = 0.0;
        auto timed = [&held](const std::function<void()>& call) {
            auto started = std::chrono::steady_clock::now();
            call();
            std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
            held = std::max(held, took.count());
        };
        double most = 1.0;
        auto started = std::chrono::steady_clock::now();
        if (end == "close box") {
            timed([] { ASSERT_TRUE(xpsim::closeWindow("Ovilux Updates")); });
            timed([] { xpsim::runFrames(1); });
        } else if (end == "Cancel") {
            // The press and its release, then the frames that see it.
            ASSERT_TRUE(clickText(window()->getWindowID(), window()->getImguiContext(),
                                  "Cancel"));
            started = std::chrono::steady_clock::now();
            timed([] { xpsim::runFrames(1); });
            timed([] { xpsim::runFrames(1); });
        } else if (end == "disable") {
            timed([] { xpsim::disablePlugin(); });
            most = 1.5;
        } else {
            timed([] { xpsim::stopPlugin(); });
            most = 1.5;
        }
        EXPECT_LT(held, most) << end;
        // Ended: the worker's own flag, from the action.
        EXPECT_LT(framesUntilCommunityWorkersFinish(started), 1.5) << end;
        if (end == "Cancel") {
            framesUntil([] { return shows("Update Canceled"); });
            EXPECT_TRUE(shows("Update Canceled")) << allText(text());
            UpdaterWidget::destroy();
        }
        EXPECT_EQ(window(), nullptr) << end;
        EXPECT_TRUE(library().empty()) << end;
        if (end == "stop") {
            ASSERT_TRUE(xpsim::startPlugin());
        }
        if (end == "disable" || end == "stop") {
            ASSERT_TRUE(xpsim::enablePlugin());
            ASSERT_TRUE(waitUntilCached());
        }
        // The cache's worker, started again by the enable, has just finished.
        EXPECT_LE(settledThreadCount(threads), threads) << end;
        EXPECT_TRUE(withholding.alive()) << end;
    }
}

TEST_F(UpdateWindow, ServerDownOrLoginRefusedShowTheirErrors) {
    libraryFile("Mine.csv", cameraFile("Mine"));
    int closed = closedLocalPort();
    setCommunityServer("127.0.0.1:" + std::to_string(closed), kTestServerPassword);
    open();
    ASSERT_EQ(window()->state(), kUpdateError);
    // The reason follows the step.
    EXPECT_TRUE(showsWrapped("Update Error: Unable to connect to the community file server: the "
                             "connection to 127.0.0.1 port " + std::to_string(closed) +
                             " failed: Connection refused"))
        << allText(text());
    // The log says it too.
    EXPECT_EQ(countInLog("Ovilux: Unable to connect to the community file server: the connection "
                         "to 127.0.0.1 port " + std::to_string(closed) +
                         " failed: Connection refused\n"),
              1);
    EXPECT_FALSE(shows("Update Community Files"));
    UpdaterWidget::destroy();
    setCommunityServer("", "");

    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    setCommunityServer("127.0.0.1:" + std::to_string(server.port()), "Bad#9999999999");
    open();
    EXPECT_TRUE(shows("Update Error: Unable to authenticate on the community file server, "
                      "error: 530 "))
        << allText(text());
    EXPECT_EQ(allText(text()).find("Bad#9999999999"), std::string::npos);
    EXPECT_EQ(xpsim::logText().find("Bad#9999999999"), std::string::npos);
    EXPECT_EQ(library(), std::vector<std::string>{"Mine.csv"});
    UpdaterWidget::destroy();

    // A server that fills up: its 421 to a download (libcurl reports it as a
    // time limit) ends the update naming that reply, as the server has closed
    // the connection, and the next window's connection gets it as its
    // greeting.
    {
        const char* const full = "421 There are too many connected users, please try later.";
        CommunityTestServer filling("too-many-users");
        ASSERT_TRUE(filling.running());
        serverFile(filling, "Mine.csv", cameraFile("Mine"));
        serverFile(filling, "Ovilux_Alpha.csv", cameraFile("Alpha"));
        serverFile(filling, "Ovilux_Bravo.csv", cameraFile("Bravo"));
        open();
        ASSERT_TRUE(shows("Server Files to be Downloaded: 2")) << allText(text());
        click("Update Community Files");
        settle();
        EXPECT_TRUE(showsWrapped(std::string("Update Error: Unable to get aircraft file, "
                                             "Ovilux_Alpha.csv, from the community server, "
                                             "error: ") + full))
            << allText(text());
        EXPECT_EQ(library(), std::vector<std::string>{"Mine.csv"});
        EXPECT_EQ(countInLog(std::string("Ovilux: Unable to get aircraft file, Ovilux_Alpha.csv, "
                                         "from the community server, error: ") + full + "\n"),
                  1);
        UpdaterWidget::destroy();
        open();
        EXPECT_TRUE(showsWrapped(std::string("Update Error: Unable to connect to the community "
                                             "file server: ") + full))
            << allText(text());
        EXPECT_EQ(countInLog(std::string("Ovilux: Unable to connect to the community file "
                                         "server: ") + full + "\n"),
                  1);
        EXPECT_FALSE(showsWrapped("within")) << allText(text());
        UpdaterWidget::destroy();
    }

    // A system without libcurl: the window says so and removes nothing, and
    // the log names each build tried; the next window reads the server again.
    setCommunityServer("127.0.0.1:" + std::to_string(server.port()), kTestServerPassword);
    serverFile(server, "Ovilux_Alpha.csv", cameraFile("Alpha"));
    hideCommunityCurlLibraries({"libcurl.so.4", "libcurl-gnutls.so.4", "libcurl-nss.so.4"});
    const char* noCurl =
        "The community files need libcurl (libcurl.so.4, libcurl-gnutls.so.4 or "
        "libcurl-nss.so.4), which this system does not have";
    open();
    ASSERT_EQ(window()->state(), kUpdateError) << allText(text());
    EXPECT_TRUE(showsWrapped(std::string("Update Error: ") + noCurl)) << allText(text());
    EXPECT_EQ(countInLog(std::string("Ovilux: ") + noCurl + "\n"), 1);
    EXPECT_EQ(countInLog("Ovilux: libcurl: libcurl.so.4: hidden; libcurl-gnutls.so.4: hidden; "
                         "libcurl-nss.so.4: hidden\n"),
              1);
    EXPECT_EQ(library(), std::vector<std::string>{"Mine.csv"});
    click("Close");
    xpsim::runFrames(2);
    EXPECT_EQ(window(), nullptr);

    // A system that has only libcurl's GnuTLS build (Debian's libcurl3-gnutls)
    // reads the server and updates with it.
    hideCommunityCurlLibraries({"libcurl.so.4"});
    open();
    ASSERT_EQ(window()->state(), kUpdateListsReady) << allText(text());
    EXPECT_TRUE(shows("Server Files to be Downloaded: 1")) << allText(text());
    EXPECT_EQ(countInLog("Ovilux: libcurl: using libcurl-gnutls.so.4 (libcurl.so.4: hidden)\n"),
              1);
    click("Update Community Files");
    settle();
    EXPECT_TRUE(shows("Update Complete")) << allText(text());
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("Ovilux_Alpha.csv")), cameraFile("Alpha"));
    UpdaterWidget::destroy();
    const char* const usingOpenSsl = "Ovilux: libcurl: using libcurl.so.4\n";
    int usedBefore = countInLog(usingOpenSsl);
    hideCommunityCurlLibraries({});
    open();
    EXPECT_TRUE(shows("Server Files to be Downloaded: 0")) << allText(text());
    EXPECT_EQ(countInLog(usingOpenSsl), usedBefore + 1);
    UpdaterWidget::destroy();

    // A server whose reply to PWD, the last step of setting up the session,
    // comes a byte a second: cut off by the connect limit, which the window
    // names.
    {
        CommunityTestServer dripping("drip-pwd");
        ASSERT_TRUE(dripping.running());
        setCommunityTimeLimits({2, 15, 15});
        open();
        EXPECT_TRUE(showsWrapped("Update Error: Unable to retrieve the Ovilux version list: the "
                                 "server did not answer within 2 seconds"))
            << allText(text());
        EXPECT_TRUE(dripping.alive());
        UpdaterWidget::destroy();
        setCommunityTimeLimits(CommunityTimeLimits());
    }

    // A name lookup that never answers (the resolver's alias file is a FIFO
    // no one writes to, where the system's resolver reads one): the window
    // says the name could not be looked up.
    std::string aliases = server.root() + "/aliases";
    ASSERT_EQ(mkfifo(aliases.c_str(), 0600), 0);
    setenv("HOSTALIASES", aliases.c_str(), 1);
    int threads = processThreadCount();
    const std::vector<std::string> before = library();
    setCommunityServer("oviluxlookup:21", kTestServerPassword);
    setCommunityTimeLimits({2, 2, 2});
    open();
    EXPECT_TRUE(showsWrapped("Update Error: Unable to connect to the community file server: the "
                             "server's name could not be looked up"))
        << allText(text());
    EXPECT_EQ(allText(text()).find("accept"), std::string::npos) << allText(text());
    EXPECT_EQ(library(), before);
    UpdaterWidget::destroy();
    // The lookup left running goes once its alias file answers.
    for (int i = 0; i < 100; ++i) {
        int writer = ::open(aliases.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer < 0) {
            break;
        }
        ::close(writer);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    unlink(aliases.c_str());
    unsetenv("HOSTALIASES");
    EXPECT_LE(settledThreadCount(threads), threads);
    setCommunityServer("", "");
}

TEST_F(UpdateWindow, AnAbortedDownloadKeepsTheLibraryAsItWas) {
    CommunityTestServer server("abort-transfer");
    ASSERT_TRUE(server.running());
    serverFile(server, "Ovilux_Alpha.csv", cameraFile("Alpha"));
    serverFile(server, "Ovilux_Bravo.csv", cameraFile("Bravo"));
    libraryFile("Ovilux_Bravo.csv", cameraFile("Bravo, the good one"));
    open();
    ASSERT_TRUE(shows("Server Files to be Downloaded: 1")) << allText(text());
    click("Update Community Files");
    settle();
    ASSERT_EQ(window()->state(), kUpdateError);
    EXPECT_TRUE(showsWrapped("Update Error: Unable to get aircraft file, Ovilux_Alpha.csv, from the "
                      "community server, error: 426 Transfer aborted."))
        << allText(text());
    // Neither part of the aborted file nor its temporary file stays.
    EXPECT_EQ(library(), std::vector<std::string>{"Ovilux_Bravo.csv"});
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("Ovilux_Bravo.csv")),
              cameraFile("Bravo, the good one"));
    UpdaterWidget::destroy();

    // A download whose data connection opens and then stays quiet ends with
    // its error once it is overdue, and the close box ends it at once.
    CommunityTestServer stalling("stall-downloads");
    ASSERT_TRUE(stalling.running());
    serverFile(stalling, "Ovilux_Alpha.csv", cameraFile("Alpha"));
    serverFile(stalling, "Ovilux_Bravo.csv", cameraFile("Bravo"));
    setCommunityTimeLimits({5, 2, 2});
    open();
    click("Update Community Files");
    settle();
    ASSERT_EQ(window()->state(), kUpdateError) << allText(text());
    EXPECT_TRUE(showsWrapped("Update Error: Unable to get aircraft file, Ovilux_Alpha.csv, from "
                             "the community server, error: the transfer made no progress for 2 "
                             "seconds"))
        << allText(text());
    EXPECT_EQ(library(), std::vector<std::string>{"Ovilux_Bravo.csv"});
    UpdaterWidget::destroy();

    // A download the server sends whole but never confirms: given up once the
    // reply limit has passed, and named as the verdict that did not come.
    {
        CommunityTestServer withholding("withhold-completion");
        ASSERT_TRUE(withholding.running());
        serverFile(withholding, "Ovilux_Alpha.csv", cameraFile("Alpha"));
        serverFile(withholding, "Ovilux_Bravo.csv", cameraFile("Bravo"));
        open();
        click("Update Community Files");
        settle();
        EXPECT_TRUE(showsWrapped("Update Error: Unable to get aircraft file, Ovilux_Alpha.csv, "
                                 "from the community server, error: the server did not confirm "
                                 "the transfer within 2 seconds"))
            << allText(text());
        EXPECT_EQ(library(), std::vector<std::string>{"Ovilux_Bravo.csv"});
        UpdaterWidget::destroy();
    }
    setCommunityServer("127.0.0.1:" + std::to_string(stalling.port()), kTestServerPassword);

    // Only the close box ends it: the limits outlast the test.
    setCommunityTimeLimits({30, 30, 30});
    int threads = processThreadCount();
    open();
    click("Update Community Files");
    framesUntil([this] { return downloadBegun(); });
    ASSERT_EQ(window()->state(), kUpdateUpdating);
    auto closed = std::chrono::steady_clock::now();
    ASSERT_TRUE(xpsim::closeWindow("Ovilux Updates"));
    xpsim::runFrames(1);
    EXPECT_EQ(window(), nullptr);
    EXPECT_LT(framesUntilCommunityWorkersFinish(closed), 1.5);
    EXPECT_EQ(library(), std::vector<std::string>{"Ovilux_Bravo.csv"});
    EXPECT_LE(settledThreadCount(threads), threads);
    EXPECT_TRUE(stalling.alive());

    // A download that moves, one byte every 2 seconds, but slower than a
    // byte a second: given up with what happened, not as one that stood
    // still; and its Cancel and close box end it at once.
    CommunityTestServer trickling("trickle-downloads");
    ASSERT_TRUE(trickling.running());
    serverFile(trickling, "Ovilux_Alpha.csv", cameraFile("Alpha"));
    serverFile(trickling, "Ovilux_Bravo.csv", cameraFile("Bravo"));
    setCommunityTimeLimits({5, 2, 4});
    open();
    click("Update Community Files");
    settle();
    ASSERT_EQ(window()->state(), kUpdateError) << allText(text());
    EXPECT_TRUE(showsWrapped("Update Error: Unable to get aircraft file, Ovilux_Alpha.csv, from "
                             "the community server, error: the transfer moved less than a byte "
                             "a second for 4 seconds"))
        << allText(text());
    EXPECT_EQ(library(), std::vector<std::string>{"Ovilux_Bravo.csv"});
    UpdaterWidget::destroy();
    setCommunityTimeLimits({30, 30, 30});
    for (bool closeBox : {false, true}) {
        open();
        click("Update Community Files");
        framesUntil([this] { return downloadBegun(); });
        ASSERT_EQ(window()->state(), kUpdateUpdating);
        auto ended = std::chrono::steady_clock::now();
        if (closeBox) {
            ASSERT_TRUE(xpsim::closeWindow("Ovilux Updates"));
            xpsim::runFrames(1);
            EXPECT_EQ(window(), nullptr);
        } else {
            click("Cancel");
            settle();
            EXPECT_TRUE(shows("Update Canceled")) << allText(text());
            UpdaterWidget::destroy();
        }
        EXPECT_LT(framesUntilCommunityWorkersFinish(ended), 1.5) << closeBox;
        EXPECT_EQ(library(), std::vector<std::string>{"Ovilux_Bravo.csv"});
        EXPECT_LE(settledThreadCount(threads), threads);
        EXPECT_TRUE(trickling.alive());
    }

    // A "camera file" larger than any camera file (a full set's rows at the
    // longest line the reader takes stay below 8 MB) is stopped there,
    // logged and skipped; no part of it stays, and the others arrive.
    CommunityTestServer huge;
    ASSERT_TRUE(huge.running());
    std::string hugeFile;
    for (int i = 0; i < 9000; ++i) {
        hugeFile += std::string(999, 'x') + "\n";
    }
    serverFile(huge, "Ovilux_Alpha.csv", hugeFile);
    serverFile(huge, "Ovilux_Bravo.csv", cameraFile("Bravo"));
    serverFile(huge, "Ovilux_Charlie.csv", cameraFile("Charlie"));
    open();
    ASSERT_TRUE(shows("Server Files to be Downloaded: 2")) << allText(text());
    click("Update Community Files");
    settle();
    EXPECT_TRUE(shows("Update Complete")) << allText(text());
    EXPECT_TRUE(shows("Server Files not Downloaded: 1")) << allText(text());
    EXPECT_EQ(countInLog("Unable to get aircraft file, Ovilux_Alpha.csv, from the community "
                         "server, error: the file is larger than 8 MB (8388608 bytes), more than "
                         "any camera file holds"),
              1);
    EXPECT_EQ(library(), (std::vector<std::string>{"Ovilux_Bravo.csv", "Ovilux_Charlie.csv"}));
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("Ovilux_Charlie.csv")), cameraFile("Charlie"));
}

TEST_F(UpdateWindow, HostileNamesAreSkippedAndNothingLeavesTheLibrary) {
    CommunityTestServer server("hostile-names");
    ASSERT_TRUE(server.running());
    serverFile(server, "Ovilux_Alpha.csv", cameraFile("Alpha"));
    std::string ini = SimulatedXPlane::readFile(xplane.pluginFolder() + "Ovilux.ini");
    open();
    EXPECT_TRUE(shows("Community Aircraft Files Server Count: 1")) << allText(text());
    EXPECT_TRUE(shows("Server Files to be Downloaded: 1"));
    EXPECT_EQ(countInLog("Skipped 11 names in the community server's listing that are not "
                         "plain file names the library folder can hold"),
              1);
    click("Update Community Files");
    settle();
    EXPECT_TRUE(shows("Update Complete")) << allText(text());
    EXPECT_EQ(library(), std::vector<std::string>{"Ovilux_Alpha.csv"});
    EXPECT_FALSE(SimulatedXPlane::exists(xplane.pluginFolder() + "escaped.csv"));
    EXPECT_EQ(SimulatedXPlane::readFile(xplane.pluginFolder() + "Ovilux.ini"), ini);
    UpdaterWidget::destroy();

    // A file the library folder cannot take (a folder of its name is in the
    // way) is logged with the reason and skipped, and the files after it
    // still arrive.
    std::filesystem::create_directory(libraryPath("Ovilux_Aaa.csv"));
    serverFile(server, "Ovilux_Aaa.csv", cameraFile("Aaa"));
    serverFile(server, "Ovilux_Zulu.csv", cameraFile("Zulu"));
    open();
    EXPECT_TRUE(shows("Server Files to be Downloaded: 2")) << allText(text());
    click("Update Community Files");
    settle();
    EXPECT_TRUE(shows("Update Complete")) << allText(text());
    EXPECT_TRUE(shows("Server Files not Downloaded: 1")) << allText(text());
    EXPECT_EQ(countInLog("Unable to store aircraft file, Ovilux_Aaa.csv, in the community file "
                         "folder, error: Is a directory"),
              1);
    EXPECT_EQ(library(),
              (std::vector<std::string>{"Ovilux_Aaa.csv", "Ovilux_Alpha.csv", "Ovilux_Zulu.csv"}));
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("Ovilux_Zulu.csv")), cameraFile("Zulu"));
    UpdaterWidget::destroy();

    // A file the server refuses (deleted after its listing) is logged with
    // the server's reply and skipped, and the files after it still arrive.
    // A name holding a carriage return is skipped as a whole, never taken
    // for the name before it, and names that differ only in case count
    // once, as the library keeps one of them.
    std::filesystem::remove_all(libraryPath(""));
    CommunityTestServer refusing("refuse-first-download");
    ASSERT_TRUE(refusing.running());
    serverFile(refusing, "Ovilux_Bbb.csv", cameraFile("Bbb"));
    serverFile(refusing, "Ovilux_Ccc.csv", cameraFile("Ccc"));
    serverFile(refusing, "OVILUX_CCC.CSV", cameraFile("CCC"));
    serverFile(refusing, "Ovilux_Ddd.csv", cameraFile("Ddd"));
    serverFile(refusing, "new\rline.csv", cameraFile("New line"));
    open();
    EXPECT_TRUE(shows("Community Aircraft Files Server Count: 3")) << allText(text());
    EXPECT_TRUE(shows("Server Files to be Downloaded: 3"));
    EXPECT_EQ(countInLog("Skipped 1 names in the community server's listing that are not "
                         "plain file names the library folder can hold"),
              1);
    click("Update Community Files");
    settle();
    EXPECT_TRUE(shows("Update Complete")) << allText(text());
    EXPECT_TRUE(shows("Server Files not Downloaded: 1")) << allText(text());
    EXPECT_EQ(countInLog("Unable to get aircraft file, Ovilux_Bbb.csv, from the community "
                         "server, error: 550 No such file or directory."),
              1);
    EXPECT_EQ(library(), (std::vector<std::string>{"OVILUX_CCC.CSV", "Ovilux_Ddd.csv"}));
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("Ovilux_Ddd.csv")), cameraFile("Ddd"));
}

TEST_F(UpdateWindow, AListingCutOffOrEmptyRemovesNothing) {
    {
        CommunityTestServer server("die-listing");
        ASSERT_TRUE(server.running());
        for (const char* name : {"A.csv", "B.csv", "C.csv", "D.csv"}) {
            serverFile(server, name, cameraFile("X"));
        }
        libraryFile("Mine.csv", cameraFile("Mine"));
        open();
        ASSERT_EQ(window()->state(), kUpdateError) << allText(text());
        EXPECT_TRUE(shows("Update Error: Unable to retrieve the list of community file, error:"))
            << allText(text());
        EXPECT_FALSE(shows("Update Community Files"));
        EXPECT_EQ(library(), std::vector<std::string>{"Mine.csv"});
        UpdaterWidget::destroy();
    }
    {
        CommunityTestServer empty;
        ASSERT_TRUE(empty.running());
        open();
        ASSERT_EQ(window()->state(), kUpdateError) << allText(text());
        EXPECT_TRUE(shows("the server listed no community file"));
        EXPECT_EQ(library(), std::vector<std::string>{"Mine.csv"});
        UpdaterWidget::destroy();
    }

    // Empty lines between the names, a line holding only a carriage return
    // at the end, and a name whose line ends in CR CR LF: every listed name
    // counts, and no library file goes for a line the listing does not give.
    std::filesystem::remove_all(libraryPath(""));
    CommunityTestServer blank("blank-lines");
    ASSERT_TRUE(blank.running());
    for (const char* name : {"A_1.csv", "B_2.csv", "C_3.csv", "D_4.csv", "E_5.csv\r"}) {
        serverFile(blank, name, cameraFile("X"));
    }
    for (const char* name : {"A_1.csv", "B_2.csv", "C_3.csv", "E_5.csv"}) {
        libraryFile(name, cameraFile("Mine"));
    }
    open();
    ASSERT_EQ(window()->state(), kUpdateListsReady) << allText(text());
    EXPECT_TRUE(shows("Community Aircraft Files Server Count: 4")) << allText(text());
    EXPECT_TRUE(shows("Local Files to be Removed: 0")) << allText(text());
    EXPECT_TRUE(shows("Server Files to be Downloaded: 1")) << allText(text());
    click("Update Community Files");
    settle();
    EXPECT_TRUE(shows("Update Complete")) << allText(text());
    EXPECT_EQ(library(), (std::vector<std::string>{"A_1.csv", "B_2.csv", "C_3.csv", "D_4.csv",
                                                     "E_5.csv"}));
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("A_1.csv")), cameraFile("Mine"));
}

TEST_F(UpdateWindow, ClosingOrDisablingWhileTheServerIsReadJoinsTheWorker) {
    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    std::string error;
    ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Check for Updates", &error)) << error;
    xpsim::runFrames(1);
    ASSERT_TRUE(xpsim::closeWindow("Ovilux Updates"));
    xpsim::runFrames(2);
    EXPECT_EQ(window(), nullptr);

    ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Check for Updates", &error)) << error;
    ASSERT_NE(window(), nullptr);
    xpsim::disablePlugin();
    EXPECT_EQ(window(), nullptr);
    ASSERT_TRUE(xpsim::enablePlugin());
    ASSERT_TRUE(waitUntilCached());

    // A server that accepts and says nothing, or says it one byte a second,
    // and one whose data connection is never accepted (a full accept queue,
    // as a firewall that drops it): the window reads it while the frames go
    // on; its close box, the disable and the stop return at once and the
    // reading has ended within a second and a half; and left alone it ends
    // with what happened once a limit is overdue.
    const char* const dataNeverAccepted[] = {
        "Update Error: Unable to retrieve the Ovilux version list: the data connection to "
        "127.0.0.1 port ",
        " was not accepted within 2 seconds"};
    const char* const noAnswer[] = {
        "Update Error: Unable to connect to the community file server: the server did not "
        "answer within 2 seconds",
        ""};
    for (const char* mode : {"silent", "drip", "full-queue"}) {
        CommunityTestServer misbehaving(mode);
        ASSERT_TRUE(misbehaving.running());
        // Only the pilot ends it: the limits outlast the test.
        setCommunityTimeLimits({30, 30, 30});
        int threads = processThreadCount();
        ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Check for Updates", &error)) << error;
        xpsim::runFrames(1);
        ASSERT_NE(window(), nullptr);
        EXPECT_EQ(window()->state(), kUpdateReadingLists) << mode;
        EXPECT_TRUE(shows("Community Aircraft Files Server Count: 0")) << mode;
        auto closed = std::chrono::steady_clock::now();
        ASSERT_TRUE(xpsim::closeWindow("Ovilux Updates"));
        xpsim::runFrames(1);
        EXPECT_EQ(window(), nullptr) << mode;
        EXPECT_LT(framesUntilCommunityWorkersFinish(closed), 1.5) << mode;
        EXPECT_LE(settledThreadCount(threads), threads) << mode;
        EXPECT_TRUE(misbehaving.alive()) << mode;

        for (bool stop : {false, true}) {
            ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Check for Updates", &error))
                << error;
            xpsim::runFrames(1);
            ASSERT_NE(window(), nullptr);
            ASSERT_EQ(window()->state(), kUpdateReadingLists)
                << mode << stop << "\n" << allText(text());
            auto ended = std::chrono::steady_clock::now();
            if (stop) {
                xpsim::stopPlugin();
            } else {
                xpsim::disablePlugin();
            }
            std::chrono::duration<double> call = std::chrono::steady_clock::now() - ended;
            EXPECT_LT(call.count(), 1.0) << mode << stop;
            EXPECT_EQ(window(), nullptr) << mode;
            EXPECT_LT(framesUntilCommunityWorkersFinish(ended), 1.5) << mode << stop;
            EXPECT_TRUE(misbehaving.alive()) << mode;
            if (stop) {
                ASSERT_TRUE(xpsim::startPlugin());
            }
            ASSERT_TRUE(xpsim::enablePlugin());
            ASSERT_TRUE(waitUntilCached());
            EXPECT_LE(settledThreadCount(threads), threads) << mode;
        }
        setCommunityTimeLimits({2, 2, 2});
        open();
        const char* const* expected =
            std::string(mode) == "full-queue" ? dataNeverAccepted : noAnswer;
        std::string all;
        for (const TextRun& run : text()) {
            all += run.text + " ";
        }
        size_t at = all.find(expected[0]);
        EXPECT_NE(at, std::string::npos) << mode << "\n" << allText(text());
        EXPECT_NE(all.find(expected[1], at), std::string::npos) << mode << "\n" << all;
        // No reply that said yes (as "227 Entering passive mode") is the reason.
        EXPECT_EQ(all.find("Entering"), std::string::npos) << all;
        EXPECT_TRUE(misbehaving.alive()) << mode;
        UpdaterWidget::destroy();

        if (std::string(mode) == "full-queue") {
            // A reading that gave up on its data connection, and a disable
            // before a frame has joined it: the sockets the process opened
            // since (X-Plane's, another plug-in's) stay connected, whatever
            // numbers libcurl let go of.
            ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Check for Updates", &error))
                << error;
            auto bound = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            while (runningCommunityWorkers() > 0 && std::chrono::steady_clock::now() < bound) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            ASSERT_EQ(runningCommunityWorkers(), 0);
            int pairs[32][2];
            for (auto& pair : pairs) {
                ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
            }
            xpsim::disablePlugin();
            for (auto& pair : pairs) {
                char byte = 0;
                EXPECT_EQ(send(pair[0], "a", 1, MSG_NOSIGNAL), 1) << pair[0];
                EXPECT_EQ(recv(pair[1], &byte, 1, MSG_DONTWAIT), 1) << pair[1];
                EXPECT_EQ(send(pair[1], "b", 1, MSG_NOSIGNAL), 1) << pair[1];
                EXPECT_EQ(recv(pair[0], &byte, 1, MSG_DONTWAIT), 1) << pair[0];
                close(pair[0]);
                close(pair[1]);
            }
            ASSERT_TRUE(xpsim::enablePlugin());
            ASSERT_TRUE(waitUntilCached());
            UpdaterWidget::destroy();
        }
    }

    // A server that names another address for its data connections (behind
    // a NAT, its private one; that one dribbles without a line end and
    // without end): the data goes to the address the window reached the
    // server at, and the lists and the update arrive.
    CommunityTestServer elsewhere("pasv-elsewhere");
    ASSERT_TRUE(elsewhere.running());
    setCommunityTimeLimits(CommunityTimeLimits());
    serverFile(elsewhere, "Ovilux_Alpha.csv", cameraFile("Alpha"));
    SimulatedXPlane::writeFile(elsewhere.root() + "/Ovilux/Versions.txt", "Ovilux 2.5 is near\n");
    open();
    ASSERT_EQ(window()->state(), kUpdateListsReady) << allText(text());
    EXPECT_TRUE(shows("Ovilux 2.5 is near"));
    EXPECT_TRUE(shows("Server Files to be Downloaded: 1"));
    click("Update Community Files");
    settle();
    EXPECT_TRUE(shows("Update Complete")) << allText(text());
    EXPECT_EQ(library(), std::vector<std::string>{"Ovilux_Alpha.csv"});
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("Ovilux_Alpha.csv")), cameraFile("Alpha"));
    EXPECT_TRUE(elsewhere.alive());
}

}  // namespace
