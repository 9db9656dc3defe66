// Which pack an airport comes from: X-Plane's scenery order, the global
// airports, the default airports, and what the order file may hold.
#include <filesystem>

#include "support/named_pipe.h"
#include "world/scenery_search.h"
#include "world_fixture.h"

namespace {

using WorldScenery = WorldTest;

TEST_F(WorldScenery, FirstPackInTheOrderFileWins) {
    write(kPacksFile,
          "I\n1000 Version\nSCENERY\n\n"
          "SCENERY_PACK Custom Scenery/KSEA Demo/\n"
          "SCENERY_PACK *GLOBAL_AIRPORTS*\n"
          "SCENERY_PACK Custom Scenery/Late Pack/\n");
    write(packAptDat("KSEA Demo"), aptDat(airport("KSEA", "Seattle Custom")));
    write(kGlobalAptDat, aptDat(airport("KSEA", "Seattle Global") + airport("KBFI", "Boeing Fld")));
    write(packAptDat("Late Pack"),
          aptDat(airport("KBFI", "Boeing Late") + airport("KRNT", "Renton Late")));
    write(kDefaultAptDat, aptDat(airport("KRNT", "Renton Default")));

    EXPECT_EQ(nameOf("KSEA"), "Seattle Custom");
    EXPECT_EQ(nameOf("KBFI"), "Boeing Fld");
    EXPECT_EQ(nameOf("KRNT"), "Renton Late");
    // Codes compare without regard to case.
    EXPECT_EQ(nameOf("ksea"), "Seattle Custom");
}

TEST_F(WorldScenery, DefaultAirportsAreTheLastResort) {
    write(kDefaultAptDat, aptDat(airport("EGLL", "Heathrow Default")));
    write(kGlobalAptDat, aptDat(airport("EGLL", "Heathrow Global")));
    // Without an order file only the default airports are searched.
    EXPECT_EQ(nameOf("EGLL"), "Heathrow Default");

    write(kPacksFile, "I\n1000 Version\nSCENERY\n\nSCENERY_PACK *GLOBAL_AIRPORTS*\n");
    EXPECT_EQ(nameOf("EGLL"), "Heathrow Global");
    write(kGlobalAptDat, aptDat(airport("LFPG", "Roissy")));
    EXPECT_EQ(nameOf("EGLL"), "Heathrow Default");
    EXPECT_EQ(nameOf("KJFK"), "(none)");
}

TEST_F(WorldScenery, DisabledPacksAreSkippedAsXPlaneSkipsThem) {
    write(kPacksFile,
          "I\n1000 Version\nSCENERY\n\n"
          "SCENERY_PACK_DISABLED Custom Scenery/Old KSEA/\n"
          "SCENERY_PACK_DISABLED *GLOBAL_AIRPORTS*\n"
          "SCENERY_PACK Custom Scenery/New KSEA/\n");
    write(packAptDat("Old KSEA"), aptDat(airport("KSEA", "Old")));
    write(packAptDat("New KSEA"), aptDat(airport("KSEA", "New")));
    write(kGlobalAptDat, aptDat(airport("KBFI", "Global")));
    write(kDefaultAptDat, aptDat(airport("KBFI", "Default")));

    EXPECT_EQ(nameOf("KSEA"), "New");
    EXPECT_EQ(nameOf("KBFI"), "Default");
}

TEST_F(WorldScenery, WindowsLineEndsAndTrailingBlanksNeverReachAPathOrAName) {
    write(kPacksFile,
          "I\r\n1000 Version\r\nSCENERY\r\n\r\n"
          "SCENERY_PACK Custom Scenery/Crlf Pack/  \t\r\n"
          "SCENERY_PACK *GLOBAL_AIRPORTS* \r\n");
    write(packAptDat("Crlf Pack"),
          "I\r\n1100 Version\r\n\r\n1 433 0 0 KSEA Seattle Crlf  \r\n"
          "15 47.44 -122.29 90.0 Ramp 1 \r\n99\r\n");
    write(kGlobalAptDat, "I\r\n1100 Version\r\n\r\n1 21 0 0 KBFI Boeing Crlf\r\n99\r\n");

    std::unique_ptr<Airport> seattle = findAirport("KSEA");
    ASSERT_TRUE(seattle);
    EXPECT_STREQ(seattle->name, "Seattle Crlf");
    ASSERT_EQ(seattle->nStartingLocations, 1);
    EXPECT_STREQ(seattle->startingLocations[0].name, "Ramp 1");
    EXPECT_EQ(nameOf("KBFI"), "Boeing Crlf");
}

TEST_F(WorldScenery, PackPathsOutsideCustomSceneryAndWithoutTrailingSlash) {
    std::string elsewhere = xplane.root() + "/Elsewhere/Big Pack";
    write(kPacksFile,
          "I\n1000 Version\nSCENERY\n\n"
          "SCENERY_PACK " + elsewhere + "/\n"
          "SCENERY_PACK Custom Scenery/No Slash\n"
          // Another installation's path: the pack is taken from this one.
          "SCENERY_PACK /Volumes/Old X-Plane/Custom Scenery/Moved/\n");
    SimulatedXPlane::writeFile(elsewhere + "/Earth nav data/apt.dat",
                               aptDat(airport("LOWI", "Innsbruck")));
    write(packAptDat("No Slash"), aptDat(airport("LSZH", "Zurich")));
    write(packAptDat("Moved"), aptDat(airport("LFSB", "Basel")));

    EXPECT_EQ(nameOf("LOWI"), "Innsbruck");
    EXPECT_EQ(nameOf("LSZH"), "Zurich");
    EXPECT_EQ(nameOf("LFSB"), "Basel");
}

TEST_F(WorldScenery, OnlyPackLinesNamePacks) {
    const std::string root = "/xp/";
    std::string folder;
    for (const char* line : {"", "I", "1000 Version", "SCENERY", "SCENERY_PACK", "SCENERY_PACK   ",
                             "SCENERY_PACKAGE Custom Scenery/X/", "# SCENERY_PACK Custom Scenery/X/",
                             "SCENERY_PACK_DISABLED Custom Scenery/X/"}) {
        EXPECT_FALSE(sceneryPackFolder(line, root, &folder)) << line;
    }
    ASSERT_TRUE(sceneryPackFolder("SCENERY_PACK\tCustom Scenery/A B/", root, &folder));
    EXPECT_EQ(folder, "/xp/Custom Scenery/A B/");
    ASSERT_TRUE(sceneryPackFolder("  SCENERY_PACK *GLOBAL_AIRPORTS*", root, &folder));
    EXPECT_EQ(folder, "/xp/Global Scenery/Global Airports/");
    ASSERT_TRUE(sceneryPackFolder("SCENERY_PACK Other/Pack", root, &folder));
    EXPECT_EQ(folder, "/xp/Other/Pack/");
}

TEST_F(WorldScenery, CodesNoAirportCanHaveFindNothing) {
    write(kDefaultAptDat, aptDat("1 0 0 0\n" + airport("KSEA", "Seattle")));
    EXPECT_FALSE(findAirport(""));
    EXPECT_FALSE(findAirport(nullptr));
    EXPECT_FALSE(findAirport("KS EA"));
    EXPECT_FALSE(findAirport("KSEAKSEAKSEA"));
    EXPECT_EQ(nameOf("KSEA"), "Seattle");
}

TEST_F(WorldScenery, UnreadablePacksAreSkipped) {
    write(kPacksFile,
          "SCENERY_PACK Custom Scenery/Missing/\n"
          "SCENERY_PACK Custom Scenery/Folder Only/\n"
          "SCENERY_PACK Custom Scenery/Good/\n");
    std::filesystem::create_directories(xplane.path(packAptDat("Folder Only")));
    write(packAptDat("Good"), aptDat(airport("KPAE", "Paine")));
    EXPECT_EQ(nameOf("KPAE"), "Paine");
}

TEST_F(WorldScenery, NamedPipesAreNotSearched) {
    write(kDefaultAptDat, aptDat(airport("KSEA", "Seattle Default")));
    // X-Plane's order file, then a pack's apt.dat, are pipes nobody writes to.
    {
        NamedPipe order(xplane.path(kPacksFile));
        EXPECT_EQ(nameOf("KSEA"), "Seattle Default");
        EXPECT_FALSE(order.releasedABlockedReader());
    }
    write(kPacksFile, "I\n1000 Version\nSCENERY\n\nSCENERY_PACK Custom Scenery/Piped/\n");
    NamedPipe aptDatPipe(xplane.path(packAptDat("Piped")));
    EXPECT_EQ(nameOf("KSEA"), "Seattle Default");
    EXPECT_FALSE(aptDatPipe.releasedABlockedReader());
}

}  // namespace
