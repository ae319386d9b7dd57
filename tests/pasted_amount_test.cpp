// Text from the clipboard read as an amount, and keyed in as a new entry.

#include "calc/pasted_amount.h"
#include "support/key_script.h"

#include <gtest/gtest.h>

namespace abaquino {
namespace {

using testing::Press;

TEST(PastedAmount, ReadsWhatPeopleCopy)
{
    const struct { const char* text; const char* entry; } cases[] = {
        {"1.234,56", "1234,56"},     {"1234,56", "1234,56"},        {"1234.56", "1234,56"},
        {"1,234.56", "1234,56"},     {"-12", "-12"},                {"\xE2\x82\xAC 12,50", "12,50"},
        {"12,50 \xE2\x82\xAC", "12,50"}, {"EUR 12,50", "12,50"},    {"L. 290.441", "290441"},
        {"290.441 lire", "290441"},  {"  42\n", "42"},              {"1.234", "1234"},
        {"1,234", "1,234"},          {"1.234.567", "1234567"},      {"0.500", "0,500"},
        {"007", "7"},                {"0,5", "0,5"},                {"-\xE2\x82\xAC 3", "-3"},
        {"\xE2\x82\xAC -3", "-3"},   {"1.2345", "1,2345"},          {"12.345.678.901.234", "12345678901234"},
        {"12,50\xC2\xA0\xE2\x82\xAC", "12,50"}, {"ITL 1.000", "1000"}, {"\xE2\x88\x92" "7", "-7"},
    };
    for (const auto& c : cases) {
        const auto entry = ReadPastedAmount(c.text);
        ASSERT_TRUE(entry) << c.text;
        EXPECT_EQ(*entry, c.entry) << c.text;
    }
}

TEST(PastedAmount, RefusesAnythingElse)
{
    const std::string huge(10'000, '1');
    for (const std::string text : {"", " ", "abc", "12 34", "1,2,3", "1.23.456", "12,", ",5",
                                   "1.234,5.6", "--3", "\xE2\x82\xAC", "12abc", "1e5", "12 EUR EUR",
                                   "1\xC2\xA0" "234", huge.c_str()}) {
        const auto entry = ReadPastedAmount(text);
        ASSERT_FALSE(entry) << text.substr(0, 20);
        EXPECT_EQ(entry.failure(), Failure::NotANumber) << text.substr(0, 20);
    }
    // Cutting would show another amount: the whole of it fits, or nothing is entered.
    EXPECT_EQ(FailureMessage(ReadPastedAmount("1234567890123456").failure()), "Numero troppo lungo");
    EXPECT_EQ(ReadPastedAmount("-12.345.678.901.234,5").failure(), Failure::TooLong);
}

TEST(PastedAmount, IsKeyedInAsANewEntry)
{
    PlainCalculator p;
    Press(p, "5 +");
    p.calculator.PasteAmount("1.936,27");
    EXPECT_EQ(p.view.EntryText(), "1936,27");
    EXPECT_EQ(p.view.ConversionText(), "1,00");
    Press(p, "=");
    EXPECT_EQ(p.view.EntryText(), "1941,27");

    Press(p, "C 12");
    p.calculator.PasteAmount("-3,5");  // replaces the entry being typed
    EXPECT_EQ(p.view.EntryText(), "-3,5");
    EXPECT_EQ(p.calculator.State().NewEntry, false);
    Press(p, "0");
    EXPECT_EQ(p.view.EntryText(), "-3,50");

    const CalculatorState before = p.calculator.State();
    p.calculator.PasteAmount("due euro");
    EXPECT_EQ(p.view.EntryText(), "-3,50");
    EXPECT_EQ(p.calculator.State(), before);
    EXPECT_EQ(p.view.Failures(), std::vector<Failure>{Failure::NotANumber});
}

}  // namespace
}  // namespace abaquino
