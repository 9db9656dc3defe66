// Finding one airport in one apt.dat file: which airport a code means, where
// in the file it may stand, and files that are odd, long or cut short.
#include <cstdio>
#include <cstring>
#include <string>

#include "world/apt_search.h"
#include "world_fixture.h"

namespace {

class WorldAptSearch : public WorldTest {
protected:
    // Also searched in parts at once, as large files are: the same find.
    std::unique_ptr<Airport> search(const std::string& text, const char* icao) {
        write("apt.dat", text);
        std::unique_ptr<Airport> whole = searchAptFile(xplane.path("apt.dat"), icao);
        std::unique_ptr<Airport> split = searchAptFile(xplane.path("apt.dat"), icao, 0);
        EXPECT_EQ(whole == nullptr, split == nullptr) << icao;
        if (whole && split) {
            EXPECT_EQ(memcmp(whole.get(), split.get(), sizeof(Airport)), 0) << icao;
        }
        return whole;
    }
    std::string nameIn(const std::string& text, const char* icao) {
        std::unique_ptr<Airport> found = search(text, icao);
        return found ? found->name : "(none)";
    }
};

TEST_F(WorldAptSearch, MetadataCodesReplaceTheHeadersIdentifier) {
    std::string text = aptDat(
        "1 20 0 0 WA01 Local Strip\n1302 city Somewhere\n1302 icao_code KXYZ\n"
        "1 433 0 0 KSEA Seattle Renamed\n1302 faa_code SEA1\n"
        "1 21 0 0 KBFI Boeing Field\n1302 icao_code KOLD\n1302 icao_code KBFI\n"
        "1 10 0 0 KEMP Empty Metadata\n1302 icao_code\n"
        "1 10 0 0 LONG Long Metadata\n1302 faa_code ABCDEFGHIJKLMN\n"
        "1 433 0 0 KSEA Seattle Real\n");
    EXPECT_EQ(nameIn(text, "KXYZ"), "Local Strip");
    EXPECT_EQ(nameIn(text, "WA01"), "(none)");
    // The first KSEA header now belongs to SEA1.
    EXPECT_EQ(nameIn(text, "KSEA"), "Seattle Real");
    EXPECT_EQ(nameIn(text, "sea1"), "Seattle Renamed");
    EXPECT_EQ(nameIn(text, "KBFI"), "Boeing Field");
    EXPECT_EQ(nameIn(text, "KOLD"), "(none)");
    EXPECT_EQ(nameIn(text, "KEMP"), "Empty Metadata");
    EXPECT_EQ(nameIn(text, "ABCDEFGHIJ"), "Long Metadata");

    std::unique_ptr<Airport> field = search(text, "kbfi");
    ASSERT_TRUE(field);
    EXPECT_STREQ(field->icao, "KBFI");
    EXPECT_EQ(field->type, kLandAirport);
    EXPECT_DOUBLE_EQ(field->elevation, 21);
}

TEST_F(WorldAptSearch, FirstAirportOfTheFileWinsAndTheLastIsFound) {
    std::string text = aptDat(airport("KSEA", "First") + airport("KSEA", "Second") +
                              "16 0 0 0 W36 Will Rogers Seaplane Base\n"
                              "17 370 0 0 WA70 Harborview Heliport\n"
                              "102 H1 47.60 -122.32 0 15 15 1 0 0 0.25 0\n");
    EXPECT_EQ(nameIn(text, "KSEA"), "First");
    std::unique_ptr<Airport> heliport = search(text, "WA70");
    ASSERT_TRUE(heliport);
    EXPECT_EQ(heliport->type, kHeliport);
    EXPECT_EQ(heliport->nHelipads, 1);
    EXPECT_EQ(search(text, "W36")->type, kSeaplaneBase);
    // Without the end row, and without a final line feed.
    std::string cut = text.substr(0, text.size() - 4);
    cut.pop_back();
    heliport = search(cut, "WA70");
    ASSERT_TRUE(heliport);
    EXPECT_EQ(heliport->nHelipads, 1);
}

TEST_F(WorldAptSearch, TheCodeElsewhereInTheFileIsNoMatch) {
    std::string text = aptDat(
        "1 0 0 0 S43 Harvey Field near KPAE\n"
        "20 47.90 -122.10 0 0 2 {@Y}KPAE\n"
        "1201 47.9 -122.2 both 1 KPAE\n"
        "1302 city KPAE\n"
        "1 606 0 0 KPAE Paine Field\n");
    EXPECT_EQ(nameIn(text, "KPAE"), "Paine Field");
    EXPECT_EQ(nameIn(text, "KPA"), "(none)");
    EXPECT_EQ(nameIn(text, "PAE"), "(none)");
}

TEST_F(WorldAptSearch, RowsBeforeTheFirstHeaderAndLinesWithoutRowCodeAreIgnored) {
    std::string text = aptDat(
        "1302 icao_code KSEA\n"
        "14 47.44 -122.30 100 0 Stray Tower\n"
        "# 1 433 0 0 KFAKE Comment\n"
        "A1 433 0 0 KFAKE Letters\n"
        "1x 433 0 0 KFAKE Glued\n"
        "1 433 0 0 KTWO Second\n"
        "   \t\n"
        "\t14 47.44 -122.30 100 0 Indented Tower\n"
        "14abc 47.44 -122.30 100 0 Not A Row\n");
    EXPECT_EQ(nameIn(text, "KSEA"), "(none)");
    EXPECT_EQ(nameIn(text, "KFAKE"), "(none)");
    std::unique_ptr<Airport> second = search(text, "KTWO");
    ASSERT_TRUE(second);
    ASSERT_EQ(second->nViewPoints, 1);
    EXPECT_STREQ(second->viewPoints[0].name, "Indented Tower");
}

TEST_F(WorldAptSearch, HeadersWithoutNameOrOfOtherIdentifierLengths) {
    std::string text = aptDat(
        "1 433 0 0 KSEA\n"
        "1 100 0 0 1\n"
        "1 100 0 0 S43   Harvey   Field\n"
        "1 100 0 0 CYVR12 Vancouver\n"
        "1 x 0 0 KBAD Bad Elevation\n");
    std::unique_ptr<Airport> seattle = search(text, "KSEA");
    ASSERT_TRUE(seattle);
    EXPECT_STREQ(seattle->name, "");
    EXPECT_EQ(nameIn(text, "1"), "");
    EXPECT_EQ(nameIn(text, "S43"), "Harvey   Field");
    EXPECT_EQ(nameIn(text, "CYVR12"), "Vancouver");
    EXPECT_EQ(nameIn(text, "KBAD"), "(none)");
}

TEST_F(WorldAptSearch, LongLinesStayWholeRows) {
    // Where a 2000-character line buffer would split this sign row, the rest
    // looks like a header.
    std::string sign = "20 47.4 -122.3 0 0 2 {@Y}";
    sign += std::string(1999 - sign.size(), 'S');
    sign += "\n";
    sign.insert(sign.size() - 1, "1 0 0 0 KFAK Split Row");
    std::string huge = "14 47.44 -122.30 100 0 " + std::string(100 * 1024, 'V') +
                       "\n1 0 0 0 KHUG Split Huge\n";
    huge.erase(huge.size() - 25, 1);  // the header is still part of the line
    std::string text = aptDat("1 433 0 0 KSEA Seattle\n" + sign + huge +
                              "15 47.44 -122.29 90.0 After\n");

    EXPECT_EQ(nameIn(text, "KFAK"), "(none)");
    EXPECT_EQ(nameIn(text, "KHUG"), "(none)");
    std::unique_ptr<Airport> seattle = search(text, "KSEA");
    ASSERT_TRUE(seattle);
    ASSERT_EQ(seattle->nSigns, 1);
    EXPECT_EQ(std::string(seattle->signs[0].text).size(), sizeof(seattle->signs[0].text) - 1);
    ASSERT_EQ(seattle->nViewPoints, 1);
    EXPECT_EQ(std::string(seattle->viewPoints[0].name), std::string(99, 'V'));
    ASSERT_EQ(seattle->nStartingLocations, 1);
    EXPECT_STREQ(seattle->startingLocations[0].name, "After");
}

TEST_F(WorldAptSearch, LinesLongerThanAReadBlock) {
    std::string giant = "20 47.4 -122.3 0 0 2 {@Y}G" + std::string(3 * 1024 * 1024, 'W') +
                        " 1 0 0 0 KGNT Inside\n";
    std::string text = aptDat("1 433 0 0 KSEA Seattle\n" + giant + giant +
                              "1302 icao_code KTWO\n1 10 0 0 KNXT Next\n" + giant);
    EXPECT_EQ(nameIn(text, "KGNT"), "(none)");
    EXPECT_EQ(nameIn(text, "KNXT"), "Next");
    // Its metadata row stands megabytes after the header.
    EXPECT_EQ(nameIn(text, "KSEA"), "(none)");
    std::unique_ptr<Airport> seattle = search(text, "ktwo");
    ASSERT_TRUE(seattle);
    ASSERT_EQ(seattle->nSigns, 2);
    EXPECT_EQ(std::string(seattle->signs[1].text, 3), "GWW");
}

TEST_F(WorldAptSearch, TruncatedAndEmptyFiles) {
    EXPECT_EQ(nameIn("", "KSEA"), "(none)");
    EXPECT_EQ(nameIn("I\n", "KSEA"), "(none)");
    EXPECT_EQ(nameIn("1 433 0 0 KSEA Seattle", "KSEA"), "Seattle");
    std::unique_ptr<Airport> cut =
        search("I\n1 433 0 0 KSEA Seattle\n100 45.00 1 0 0.25 1 3 0 16L 47.46 -122.30 0 0", "KSEA");
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->nRunways, 0);
    EXPECT_FALSE(searchAptFile(xplane.path("no such file"), "KSEA"));
}

// Codes of digits stand in nearly every row of a real file: in coordinates,
// elevations, frequencies, names and other airports' rows. Only a header's
// identifier or a code row's value names an airport, in any read block.
TEST_F(WorldAptSearch, CodesOfDigitsAmongRowsFullOfDigits) {
    std::string rows =
        "1 0000 0 0 K000 Elevation 0000 Field\n"
        "1302 datum_lat 10.00000000\n1302 city 0000\n1302 region_code 0000\n"
        "20 10.00000000 20.00000000 0.0000 0 2 {@Y}0000\n"
        "1050 120000 0000\n"
        "1 10 0 0 0000 Renamed Zeros\n1302 icao_code K0RN\n"
        "1 10 0 0 00000 Five Zeros\n"
        "1 10 0 0 X0000 Prefixed Zeros\n"
        "1 10 0 0 1234 Long Code Row\n1302 faa_code 12345678901234\n";
    char line[200];
    for (int n = 0; rows.size() < 3u * 1024 * 1024; ++n) {
        std::snprintf(line, sizeof line, "1 %d 0 0 %05d Filler %d\n", n % 9000, 10000 + n, n);
        rows += line;
        for (int node = 0; node < 20; ++node) {
            std::snprintf(line, sizeof line, "111 10.%08d 20.0000%04d\n", node * 10000, n % 10000);
            rows += line;
        }
        rows += "1051 121000 UNICOM 0000\n";
    }
    rows +=
        "1 20 0 0 0007 Seven\n1302 faa_code 0000\n"
        "1 30 0 0 0000 Zeros Field\n"
        "1 40 0 0 2468 Even Digits\n";
    std::string text = aptDat(rows);

    EXPECT_EQ(nameIn(text, "0000"), "Seven");
    EXPECT_EQ(nameIn(text, "0007"), "(none)");
    EXPECT_EQ(nameIn(text, "K0RN"), "Renamed Zeros");
    EXPECT_EQ(nameIn(text, "00000"), "Five Zeros");
    EXPECT_EQ(nameIn(text, "X0000"), "Prefixed Zeros");
    EXPECT_EQ(nameIn(text, "1234567890"), "Long Code Row");
    EXPECT_EQ(nameIn(text, "1234"), "(none)");
    EXPECT_EQ(nameIn(text, "000"), "(none)");
    EXPECT_EQ(nameIn(text, "10.00000000"), "(none)");
    EXPECT_EQ(nameIn(text, "10123"), "Filler 123");
    std::unique_ptr<Airport> last = search(text, "2468");
    ASSERT_TRUE(last);
    EXPECT_DOUBLE_EQ(last->elevation, 40);
}

// A code whose letters fill the rows' words, in either case, across blocks.
TEST_F(WorldAptSearch, CodesOfCommonLettersAmongWords) {
    std::string rows =
        "1 10 0 0 TAXIWAY Longer Code\n"
        "1 10 0 0 XTAXI Prefixed Code\n"
        "1 10 0 0 KTXI Taxi Stand\n1302 city TAXI\n";
    char line[200];
    for (int n = 0; rows.size() < 3u * 1024 * 1024; ++n) {
        std::snprintf(line, sizeof line, "1 %d 0 0 T%04d Taxiway Field %d\n", n % 9000, n % 10000, n);
        rows += line;
        for (int node = 1; node < 30; ++node) {
            std::snprintf(line, sizeof line, "1202 %d %d twoway taxiway_%c TAXI%c\n", node - 1, node,
                          'A' + node % 6, 'A' + node % 6);
            rows += line;
        }
    }
    rows += "1 20 0 0 taxi Lower Case\n1 30 0 0 TAXI Upper Case\n";
    std::string text = aptDat(rows);

    EXPECT_EQ(nameIn(text, "TAXI"), "Lower Case");
    EXPECT_EQ(nameIn(text, "taxiway"), "Longer Code");
    EXPECT_EQ(nameIn(text, "XTAXI"), "Prefixed Code");
    EXPECT_EQ(nameIn(text, "TAXIA"), "(none)");
    EXPECT_EQ(nameIn(text, "T0123"), "Taxiway Field 123");
}

// Far more than one read block, so airports straddle blocks and metadata rows
// stand in another block than their header.
TEST_F(WorldAptSearch, LargeFilesGiveEveryAirportAsALineByLineReadWould) {
    std::string rows;
    char line[200];
    for (int n = 0; n < 6000; ++n) {
        std::snprintf(line, sizeof line, "1 %d 0 0 X%04d Airport %d\n", n, n, n);
        rows += line;
        if (n % 7 == 3) {
            std::snprintf(line, sizeof line, "1302 city Town %d\n1302 icao_code M%04d\n", n, n);
            rows += line;
        }
        for (int node = 0; node < n % 17; ++node) {
            std::snprintf(line, sizeof line, "1201 47.%06d -122.%06d both %d A%d\n", node, n,
                          node, n);
            rows += line;
        }
        std::snprintf(line, sizeof line, "1300 47.44 -122.29 90.0 gate jets Gate %d\n", n);
        rows += line;
    }
    std::string text = aptDat(rows);
    ASSERT_GT(text.size(), 2u * 1024 * 1024);

    for (int n : {0, 3, 1000, 2999, 3004, 4001, 5998, 5999}) {
        char code[8];
        std::snprintf(code, sizeof code, n % 7 == 3 ? "M%04d" : "X%04d", n);
        std::unique_ptr<Airport> found = search(text, code);
        ASSERT_TRUE(found) << code;
        EXPECT_EQ(found->elevation, n);
        ASSERT_EQ(found->nStartingLocations, 1);
        EXPECT_EQ(std::string(found->startingLocations[0].name), "Gate " + std::to_string(n));
    }
    EXPECT_EQ(nameIn(text, "X0003"), "(none)");
    EXPECT_EQ(nameIn(text, "X6000"), "(none)");
}

}  // namespace
