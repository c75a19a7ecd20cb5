#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "common/calendar.h"
#include "common/rounding.h"

namespace emberlin {
namespace {

struct ParseCase {
    std::string text;
    std::optional<double> expected;
};

void CheckParsing() {
    const std::vector<ParseCase> cases = {
        {"5.", 5.0},
        {".5", 0.5},
        {"+5", 5.0},
        {"0030", 30.0},
        {" 9.82 ", 9.82},
        {"-170", -170.0},
        {"1e3", 1000.0},
        {"2.5E-1", 0.25},
        {"0.", 0.0},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"-infinity", std::nullopt},
        {"0x1p3", std::nullopt},
        {"1e400", std::nullopt},
        {"1e-400", std::nullopt},
        {"9,82", std::nullopt},
        {"1.2.3", std::nullopt},
        {"e5", std::nullopt},
        {"1e", std::nullopt},
        {"+-1", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"5 5", std::nullopt},
        // Underflow: below the smallest normal double is refused, subnormals included;
        // zero written as zero is not underflow.
        {"1e-320", std::nullopt},
        {"-4.9e-324", std::nullopt},
        {"2.2e-308", std::nullopt},
        {"2.2250738585072014e-308", 2.2250738585072014e-308},
        {"-1e-307", -1e-307},
        {"0e-999", 0.0},
        {"0.000e5", 0.0},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseDouble(c.text), c.expected) << "'" << c.text << "'";
    }
    EXPECT_EQ(ParseInt("12"), 12);
    EXPECT_EQ(ParseInt(" -7 "), -7);
    EXPECT_EQ(ParseInt("+0030"), 30);
    EXPECT_EQ(ParseInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"12.0", "", "2147483648", "1e2", "abc", "-", "99999999999999999999"}) {
        EXPECT_EQ(ParseInt(bad), std::nullopt) << bad;
    }
}

void CheckFormatting() {
    EXPECT_EQ(FormatGeneral(30), "30");
    EXPECT_EQ(FormatGeneral(0.88), "0.88");
    EXPECT_EQ(FormatGeneral(-0.0), "0");
    EXPECT_EQ(FormatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(1e20), "1e+20");
    EXPECT_EQ(FormatGeneral(-170), "-170");
    EXPECT_EQ(FormatFixed(9.8249, 3, 2), "9.82");
    EXPECT_EQ(FormatFixed(0.5, 3, 2), "0.50");
    EXPECT_EQ(FormatFixed(309.04, 6, 1), " 309.0");
    EXPECT_EQ(FormatInt(-42), "-42");
    EXPECT_EQ(FormatIntWidth(7, 4), "   7");
    // The canonical text is a fixed point of parsing.
    for (double v : {0.1, 72.0, 1e-7, 123456.789, -3.25}) {
        EXPECT_EQ(FormatGeneral(*ParseDouble(FormatGeneral(v))), FormatGeneral(v));
    }
}

TEST(NumberText, ParsesAndFormatsInTheCLocale) {
    CheckParsing();
    CheckFormatting();
}

// A desktop with a comma-decimal locale still reads and shows "9.82".
TEST(NumberText, IgnoresACommaDecimalLocale) {
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) GTEST_SKIP() << "no German locale on this machine";
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    CheckParsing();
    CheckFormatting();
    std::setlocale(LC_ALL, "C");
}

TEST(CommonRules, RoundingAndTruncation) {
    struct Case {
        double x;
        int rounded, truncated;
    };
    for (Case c : {Case{4.5, 5, 4}, Case{4.49, 4, 4}, Case{-0.7, 0, 0}, Case{-1.7, -1, -1},
                   Case{86.99, 87, 86}, Case{1e300, 2147483647, 2147483647},
                   Case{-1e300, -2147483647 - 1, -2147483647 - 1}}) {
        EXPECT_EQ(RoundToInt(c.x), c.rounded) << c.x;
        EXPECT_EQ(TruncateToInt(c.x), c.truncated) << c.x;
    }
    EXPECT_EQ(TruncateToInt(std::nan("")), 0);
    EXPECT_TRUE(FitsInt(2147483647.9));
    EXPECT_FALSE(FitsInt(2147483648.0));
}

TEST(CommonRules, DayOfYear) {
    EXPECT_EQ(DayOfYear(7, 15), 196);
    EXPECT_EQ(DayOfYear(12, 31), 365);
    EXPECT_EQ(DayOfYear(4, 31), 121);
    EXPECT_EQ(DayOfYear(2, 31), 62);
    EXPECT_EQ(DayOfYear(13, 1), std::nullopt);
    EXPECT_EQ(DayOfYear(0, 1), std::nullopt);
    EXPECT_EQ(DayOfYear(1, 0), std::nullopt);
    EXPECT_EQ(DayOfYear(1, 2147483647), std::nullopt);
}

}  // namespace
}  // namespace emberlin
