#include "calc/currency_conversion.h"
#include "support/key_script.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

namespace abaquino {
namespace {

using testing::Press;

std::string Converted(std::string_view entry, Currency target, std::string_view pattern)
{
    const auto text = ConvertEntry(entry, target, pattern);
    return text ? *text : "failure: " + std::string(FailureMessage(text.failure()));
}

TEST(ConvertEntry, IsExactToTheCentForTypedEntries)
{
    const struct { const char* entry; Currency target; std::string_view pattern; const char* text; } cases[] = {
        {"150", Currency::Lire, kWholeLirePattern, "290.441"},       // 290.440,5 rounds up
        {"150", Currency::Lire, kTwoDecimalPattern, "290.440,50"},
        {"1", Currency::Lire, kWholeLirePattern, "1.936"},
        {"50", Currency::Lire, kWholeLirePattern, "96.814"},
        {"1000", Currency::Lire, kTwoDecimalPattern, "1.936.270,00"},
        {"123456789012345", Currency::Lire, kTwoDecimalPattern, "239.045.676.860.933.253,15"},
        {"0,0001", Currency::Lire, kTwoDecimalPattern, "0,19"},
        {"0,0001", Currency::Lire, kWholeLirePattern, ""},
        {"-0,0001", Currency::Lire, kTwoDecimalPattern, "-0,19"},
        {"-0,000001", Currency::Lire, kTwoDecimalPattern, "0,00"},
        {"10000", Currency::Euro, kTwoDecimalPattern, "5,16"},
        {"100000", Currency::Euro, kTwoDecimalPattern, "51,65"},
        {"1936,27", Currency::Euro, kTwoDecimalPattern, "1,00"},
        {"1000", Currency::Euro, kTwoDecimalPattern, "0,52"},
        {",5", Currency::Euro, kTwoDecimalPattern, "0,00"},
        {"-96813,5", Currency::Euro, kTwoDecimalPattern, "-50,00"},
        {"5,", Currency::Lire, kTwoDecimalPattern, "9.681,35"},
        {"00000000000000000000001", Currency::Lire, kTwoDecimalPattern, "1.936,27"},
    };
    for (const auto& c : cases) EXPECT_EQ(Converted(c.entry, c.target, c.pattern), c.text) << c.entry;
}

TEST(ConvertEntry, ExponentResultsGoThroughTheDouble)
{
    EXPECT_EQ(Converted("1E+20", Currency::Lire, kTwoDecimalPattern), "193.627.000.000.000.000.000.000,00");
    EXPECT_EQ(Converted("1E-05", Currency::Lire, kTwoDecimalPattern), "0,02");
    EXPECT_EQ(Converted("1,5E+300", Currency::Euro, kTwoDecimalPattern),
              "failure: Importo troppo grande per la conversione");
    EXPECT_EQ(Converted("1E+308", Currency::Lire, kTwoDecimalPattern), "failure: Risultato troppo grande");
    EXPECT_EQ(Converted("-", Currency::Lire, kTwoDecimalPattern), "failure: Numero non valido");
    EXPECT_EQ(Converted("1E+", Currency::Euro, kTwoDecimalPattern), "failure: Numero non valido");
    // Just below 2^96 in euro still converts.
    EXPECT_NE(Converted("1,5E+32", Currency::Euro, kTwoDecimalPattern).find(".000,00"), std::string::npos);
}

struct LiveConversion : ::testing::Test {
    PlainCalculator p;
    std::string Conversion() const { return p.view.ConversionText(); }
};

TEST_F(LiveConversion, FollowsTheEntryAndTheChosenCurrency)
{
    p.view.SetLireOption(true);
    Press(p, "1000");
    EXPECT_EQ(Conversion(), "1.936.270,00");
    Press(p, "LIT");
    EXPECT_EQ(Conversion(), "1.936.270");
    Press(p, "0");
    EXPECT_EQ(Conversion(), "19.362.700,00");
    Press(p, "EUR");
    EXPECT_EQ(Conversion(), "5,16");
}

TEST_F(LiveConversion, SignCommaAndEmptyingBackspaceLeaveItAlone)
{
    Press(p, "5000 +/-");
    EXPECT_EQ(Conversion(), "2,58");  // still the amount of 5000
    Press(p, "0");
    EXPECT_EQ(Conversion(), "-25,82");
    Press(p, "C 5 BS");
    EXPECT_EQ(p.view.EntryText(), "");
    EXPECT_EQ(Conversion(), "0,00");   // the last non-empty entry's amount
    Press(p, "EUR LIT");
    EXPECT_EQ(Conversion(), "0,00");   // an empty entry converts nothing
}

TEST_F(LiveConversion, AFailedRefreshKeepsTheTextAndTheOperationGoesOn)
{
    p.view.SetLireOption(true);
    Press(p, "1 = ");
    ASSERT_EQ(Conversion(), "1.936,27");
    // 1E+308 is a fine result but its lire amount is beyond the double.
    p.view.SetEntryText("1E+308");
    p.calculator.CmdOperator_Click(1);
    EXPECT_EQ(Conversion(), "1.936,27");
    ASSERT_EQ(p.view.Failures().size(), 1u);
    EXPECT_EQ(p.view.Failures()[0], Failure::TooLarge);
    EXPECT_EQ(p.calculator.State().PendingOperator, 1);
    EXPECT_EQ(p.calculator.State().Accumulator, 1e308);
}

TEST_F(LiveConversion, BackspaceToALoneCommaReportsNotANumber)
{
    Press(p, ", 5 BS");
    EXPECT_EQ(p.view.EntryText(), ",");
    EXPECT_EQ(Conversion(), "0,00");  // from ,5
    ASSERT_EQ(p.view.Failures().size(), 1u);
    EXPECT_EQ(p.view.Failures()[0], Failure::NotANumber);
}

}  // namespace
}  // namespace abaquino
