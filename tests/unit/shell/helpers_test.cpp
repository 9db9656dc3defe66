// The shared helpers where they can go wrong: parsing edge cases, arithmetic
// near its limits, and buffers at their bounds.
#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>

#include "shell/angles.h"
#include "shell/c_locale.h"
#include "shell/host_info.h"
#include "shell/strings.h"

TEST(StringHelpers, TrimAndStripWhiteSpace) {
    char padded[] = "  \t Pilot View \r\n";
    EXPECT_STREQ(trimWhiteSpace(padded), "Pilot View");
    char blank[] = " \t\r\n";
    EXPECT_STREQ(trimWhiteSpace(blank), "");
    char empty[] = "";
    EXPECT_STREQ(trimWhiteSpace(empty), "");

    char runs[] = "  1   KSEA  \t Seattle  ";
    strip_extra_spaces(runs);
    EXPECT_STREQ(runs, "1 KSEA Seattle ");
}

TEST(StringHelpers, CaseAndReplacement) {
    char key[] = "smooth_window\xe9";
    strupr(key);
    EXPECT_STREQ(key, "SMOOTH_WINDOW\xe9");  // bytes above 127 are left alone
    char position[] = "1:100:900";
    EXPECT_STREQ(replaceChar(position, ':', ' '), "1 100 900");
    EXPECT_EQ(replaceChar(nullptr, 'a', 'b'), nullptr);
}

TEST(StringHelpers, FindLastWhiteSpace) {
    EXPECT_STREQ(findLastWhiteSpace("1 2 3", 2), "3");
    EXPECT_STREQ(findLastWhiteSpace("1 2 3", 1), "2 3");
    EXPECT_STREQ(findLastWhiteSpace("1 2 3", 3), "");
    EXPECT_STREQ(findLastWhiteSpace("1    KSEA Seattle Tacoma Intl", 2), "Seattle Tacoma Intl");
    EXPECT_STREQ(findLastWhiteSpace("trailing ", 1), "");
}

TEST(StringHelpers, HashString) {
    EXPECT_EQ(hashString("abc"), 97 + 98 * 256 + 99);
    EXPECT_EQ(hashString(""), 0);
    // Characters above 127 count as signed values, as stored hashes expect.
    EXPECT_EQ(hashString("\xff"), -1);
    EXPECT_EQ(hashString("a\xff"), 97 - 256);
}

TEST(StringHelpers, ThousandSeparator) {
    EXPECT_EQ(thousandSeparator(0), "0");
    EXPECT_EQ(thousandSeparator(999), "999");
    EXPECT_EQ(thousandSeparator(1234), "1,234");
    EXPECT_EQ(thousandSeparator(123456), "123,456");
    EXPECT_EQ(thousandSeparator(1234567), "1,234,567");
    EXPECT_EQ(thousandSeparator(-1234), "-1,234");
    EXPECT_EQ(thousandSeparator(-2147483647 - 1), "-2,147,483,648");
}

TEST(StringHelpers, FixPathStaysInsideItsBuffer) {
    std::string longPath(5000, 'a');
    char destination[2000];
    fixPath(longPath.c_str(), destination);
    EXPECT_EQ(strlen(destination), 1999u);
}

TEST(Angles, FixAngleWrapsOneStep) {
    EXPECT_FLOAT_EQ(fixAngle(-30), 330);
    EXPECT_FLOAT_EQ(fixAngle(370), 10);
    EXPECT_FLOAT_EQ(fixAngle(730), 370);
    EXPECT_FLOAT_EQ(fixAngle(360), 0);
    EXPECT_FLOAT_EQ(fixAngle(0), 0);
    // 360 minus a sliver rounds to 360 in single precision: it is north.
    EXPECT_EQ(fixAngle(-1e-6f), 0.0f);
    EXPECT_LT(fixAngle(-1e-5f), 360.0f);
}

TEST(Angles, DistanceLatLon) {
    // One degree of latitude is sixty nautical miles.
    EXPECT_NEAR(distanceLatLon(47.0, -122.0, 48.0, -122.0, 'N'), 60 * 1.1515 * 0.8684, 1e-3);
    EXPECT_NEAR(distanceLatLon(47.0, -122.0, 48.0, -122.0, 'M'), 60 * 1.1515, 1e-3);
    EXPECT_NEAR(distanceLatLon(47.0, -122.0, 48.0, -122.0, 'K'), 60 * 1.1515 * 1.609344, 1e-3);
    // Identical points give 0, never NaN, however the cosine rounds.
    for (double lat : {0.0, 12.3456789, 47.4502, -33.9461, 89.9999}) {
        double d = distanceLatLon(lat, 8.123456, lat, 8.123456, 'N');
        EXPECT_FALSE(std::isnan(d)) << lat;
        EXPECT_NEAR(d, 0.0, 1e-3) << lat;
    }
    // Antipodes: the cosine may round below -1.
    EXPECT_FALSE(std::isnan(distanceLatLon(10, 20, -10, -160, 'N')));
}

TEST(NumbersInFiles, ParseInTheCLocaleWhateverTheProcessLocale) {
    const char* previous = setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    // A locale with a decimal comma, when the machine has one.
    bool commaLocale = setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    float value = 0;
    EXPECT_TRUE(parseFloatC("0.025000", &value));
    EXPECT_FLOAT_EQ(value, 0.025f);
    {
        CLocaleScope numbers;
        char text[32];
        snprintf(text, sizeof(text), "%f", 0.5);
        EXPECT_STREQ(text, "0.500000");
    }
    setlocale(LC_NUMERIC, saved.c_str());
    if (!commaLocale) {
        GTEST_LOG_(INFO) << "no decimal-comma locale on this machine";
    }
}

TEST(NumbersInFiles, RejectsWhatDoesNotParse) {
    int number = 7;
    EXPECT_FALSE(parseIntC("abc", &number));
    EXPECT_FALSE(parseIntC("", &number));
    EXPECT_FALSE(parseIntC("99999999999999999999", &number));
    EXPECT_EQ(number, 7);
    EXPECT_TRUE(parseIntC("12abc", &number));  // as "%d" would
    EXPECT_EQ(number, 12);
    float value = 3;
    EXPECT_FALSE(parseFloatC("nan", &value));
    EXPECT_FALSE(parseFloatC("inf", &value));
    EXPECT_FALSE(parseFloatC("1e999", &value));
    EXPECT_FLOAT_EQ(value, 3);
}

TEST(HostInfo, VersionAndClock) {
    EXPECT_STREQ(getVersionString(), "2.4.3");
    // The helper counts the steady clock's whole milliseconds: between two
    // calls it advances by the time the clock saw pass between them, give or
    // take the millisecond each reading cuts off. Clock readings around and
    // inside the calls bound it, however long the machine takes meanwhile.
    using Clock = std::chrono::steady_clock;
    auto milliseconds = [](Clock::duration d) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
    };
    Clock::time_point before = Clock::now();
    int64_t first = getElapsedMilliSeconds();
    Clock::time_point afterFirst = Clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
    Clock::time_point beforeSecond = Clock::now();
    int64_t second = getElapsedMilliSeconds();
    Clock::time_point after = Clock::now();
    EXPECT_GE(second - first, milliseconds(beforeSecond - afterFirst) - 1);
    EXPECT_LE(second - first, milliseconds(after - before) + 1);
}
