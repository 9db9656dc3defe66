// The server's name listing of the community folder as the update reads it:
// its bytes as they came, one name a line.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "community/community_listing.h"

namespace {

const size_t kFolderLength = 60;
const size_t kNameMax = 255;

std::vector<std::string> namesOf(const CommunityListing& listing) {
    std::vector<std::string> names;
    for (const auto& entry : listing.names()) {
        names.push_back(entry.second);
    }
    return names;
}

// The listing handed over in reads of the given size, then finished.
void read(CommunityListing* listing, const std::string& bytes, size_t readSize) {
    for (size_t at = 0; at < bytes.size(); at += readSize) {
        listing->addRead(bytes.data() + at, std::min(readSize, bytes.size() - at));
    }
    listing->finish();
}

TEST(CommunityListing, BlankAndCarriageReturnOnlyLinesNameNothingAndDropNoName) {
    const std::string listed =
        "Ovilux/CommunityFiles/A_1.csv\r\n\r\n"
        "Ovilux/CommunityFiles/B_2.csv\r\n\r\n\r\n"
        "Ovilux/CommunityFiles/C_3.csv\r\n"
        "\r\n"
        "\r\r\n"
        "\n"
        "Ovilux/CommunityFiles/D_4.csv\n";
    for (size_t readSize : {1u, 2u, 7u, 4096u}) {
        CommunityListing listing(kFolderLength, kNameMax);
        read(&listing, listed, readSize);
        EXPECT_EQ(namesOf(listing),
                  (std::vector<std::string>{"A_1.csv", "B_2.csv", "C_3.csv", "D_4.csv"}))
            << readSize;
        EXPECT_EQ(listing.acceptedLines(), 4) << readSize;
        EXPECT_EQ(listing.skippedLines(), 0) << readSize;
    }
}

TEST(CommunityListing, ANameHoldingACarriageReturnIsSkippedWholeAndNeverCut) {
    CommunityListing listing(kFolderLength, kNameMax);
    read(&listing,
         "Ovilux/CommunityFiles/new\rline.csv\r\n"
         "Ovilux/CommunityFiles/Ending.csv\r\r\n"
         "Ovilux/CommunityFiles/Good.csv\r\n",
         4096);
    EXPECT_EQ(namesOf(listing), std::vector<std::string>{"Good.csv"});
    EXPECT_EQ(listing.acceptedLines(), 1);
    EXPECT_EQ(listing.skippedLines(), 2);
    // Nothing is fetched for the name whose line ends CR CR LF, but a library
    // file of the name before them stays; "new" is no name at all.
    EXPECT_EQ(listing.keptKeys(), std::set<std::string>{"ENDING.CSV"});
}

TEST(CommunityListing, TheTextAfterTheLastLineEndKeepsItsFileButFetchesNothing) {
    CommunityListing listing(kFolderLength, kNameMax);
    read(&listing, "Ovilux/CommunityFiles/One.csv\r\nOvilux/CommunityFiles/Two.csv", 3);
    EXPECT_EQ(namesOf(listing), std::vector<std::string>{"One.csv"});
    EXPECT_EQ(listing.keptKeys(), std::set<std::string>{"TWO.CSV"});
    EXPECT_EQ(listing.skippedLines(), 0);
}

}  // namespace
