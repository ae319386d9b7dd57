#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <cmath>
#include <limits>

namespace abaquino {
namespace {

TEST(ReadNumber, ReadsEveryFormTheDisplaysHold)
{
    const struct { const char* text; double value; } cases[] = {
        {"12,5", 12.5}, {",5", 0.5}, {"5,", 5}, {"-0,5", -0.5}, {"007", 7},
        {"1E+20", 1e20}, {"-2,5E-07", -2.5e-7}, {"1E-05", 1e-5}, {"1,219326311E+17", 1.219326311e17},
        {"3E5", 3e5}, {"1E-400", 0}, {"4,94065646E-324", 4.94065645841247e-324},
    };
    for (const auto& c : cases) {
        const auto read = ReadNumber(c.text);
        ASSERT_TRUE(read) << c.text;
        EXPECT_EQ(*read, c.value) << c.text;
    }
    EXPECT_TRUE(std::signbit(*ReadNumber("-0")));
}

TEST(ReadNumber, RejectsWhatIsNotANumber)
{
    for (const char* text : {"", "-", ",", "-,", "1E", "1E+", "E5", "1,2,3", "--1", "+1", "1.5",
                             " 1", "1 ", "1e5", "1E+-5", "12a", "1,5E", "-E+5"}) {
        const auto read = ReadNumber(text);
        ASSERT_FALSE(read) << '"' << text << '"';
        EXPECT_EQ(read.failure(), Failure::NotANumber) << text;
    }
}

TEST(ReadNumber, EntryBeyondTheDoubleIsTooLarge)
{
    for (const char* text : {"1E+999", "-1E+309", "1E+99999999999999999999"}) {
        const auto read = ReadNumber(text);
        ASSERT_FALSE(read) << text;
        EXPECT_EQ(read.failure(), Failure::TooLarge) << text;
    }
}

TEST(FormatGeneral, WritesUpToFifteenDigitsTheItalianWay)
{
    const struct { double value; const char* text; } cases[] = {
        {2.5, "2,5"}, {10, "10"}, {-0.25, "-0,25"}, {1.0 / 3, "0,333333333333333"},
        {1e20, "1E+20"}, {1e-5, "1E-05"}, {-2.5e-7, "-2,5E-07"}, {0.0001, "0,0001"},
        {1e15, "1E+15"}, {999999999999999, "999999999999999"}, {-0.0, "0"}, {0, "0"},
        {123456789012345.5, "123456789012346"}, {1e100, "1E+100"}, {0.5, "0,5"},
        {121932631112635269.0, "1,21932631112635E+17"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.value), c.text) << c.value;
}

// Qt sets the process locale to the user's. Makes an Italian one current, building it in a
// scratch folder when the system has none.
bool UseItalianLocale()
{
#ifdef _WIN32
    return std::setlocale(LC_ALL, "Italian_Italy.1252") || std::setlocale(LC_ALL, "it-IT");
#else
    if (std::setlocale(LC_ALL, "it_IT.UTF-8")) return true;
    const auto folder = std::filesystem::temp_directory_path() / "abaquino-test-locale";
    std::filesystem::create_directories(folder);
    const std::string build =
        "localedef -i it_IT -f UTF-8 '" + (folder / "it_IT.UTF-8").string() + "' 2>/dev/null";
    [[maybe_unused]] const int status = std::system(build.c_str());  // warnings are not fatal
    setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr;
#endif
}

TEST(NumberText, IgnoresTheProcessLocale)
{
    if (!UseItalianLocale() || *std::localeconv()->decimal_point != ',') {
        GTEST_SKIP() << "no Italian locale could be made (package locales)";
    }
    EXPECT_EQ(FormatGeneral(2.5), "2,5");
    EXPECT_EQ(FormatForEntry(1.0 / 300000), "3,333333333E-06");
    EXPECT_EQ(*ReadNumber("2,5"), 2.5);
    EXPECT_EQ(FormatPattern(1936270.5, kTwoDecimalPattern), "1.936.270,50");
    std::setlocale(LC_ALL, "C");
}

TEST(FormatForEntry, NeverShowsAPlainlyWrongNumber)
{
    const struct { double value; const char* text; } cases[] = {
        {1.0 / 3, "0,3333333333333"},                       // only decimals cut
        {123456789.0 * 987654321.0, "1,219326311E+17"},     // not 1,2193263111263
        {-999999999999999.0, "-1E+15"},                    // not -99999999999999
        {1.0 / 300000, "3,333333333E-06"},                  // exponent kept
        {-1.0 / 3, "-0,333333333333"},
        {12345678901234.56, "12345678901234,"},             // comma at the limit: cut bare
        {1e20, "1E+20"},                                    // fits as it is
        {-1.2345678901234567e-100, "-1,2345679E-100"},
        {std::numeric_limits<double>::max(), "1,79769313E+308"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatForEntry(c.value), c.text) << c.value;
}

TEST(FormatPattern, LaysOutCurrencyAmounts)
{
    const struct { double value; std::string_view pattern; const char* text; } cases[] = {
        {1936270, kTwoDecimalPattern, "1.936.270,00"},
        {0.516, kTwoDecimalPattern, "0,52"},
        {-5, kTwoDecimalPattern, "-5,00"},
        {0.4, kTwoDecimalPattern, "0,40"},
        {-0.004, kTwoDecimalPattern, "0,00"},          // rounds to zero: no minus
        {0.125, kTwoDecimalPattern, "0,13"},           // halves away from zero
        {-0.125, kTwoDecimalPattern, "-0,13"},
        {1e21, kTwoDecimalPattern, "1.000.000.000.000.000.000.000,00"},  // beyond the placeholders
        {1e-300, kTwoDecimalPattern, "0,00"},
        {1936270, kWholeLirePattern, "1.936.270"},
        {0.4, kWholeLirePattern, ""},
        {0.5, kWholeLirePattern, "1"},
        {-0.4, kWholeLirePattern, ""},
        {999.5, kWholeLirePattern, "1.000"},
        {123, "0.0#", "123,0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
}

TEST(FormatDigit, WritesTheDigitOfAKey)
{
    EXPECT_EQ(FormatDigit(0), "0");
    EXPECT_EQ(FormatDigit(7), "7");
}

}  // namespace
}  // namespace abaquino
