#include "support/key_script.h"
#include "support/key_script_tables.h"

#include <gtest/gtest.h>

namespace abaquino {
namespace {

using testing::Edit;
using testing::Press;

class Editing : public ::testing::TestWithParam<Edit> {};

TEST_P(Editing, BuildsTheEntry)
{
    PlainCalculator p;
    Press(p, GetParam().keys);
    EXPECT_EQ(p.view.EntryText(), GetParam().entry);
    EXPECT_EQ(p.view.EntryCaret(), p.view.EntryText().size());
}

INSTANTIATE_TEST_SUITE_P(Keys, Editing, ::testing::ValuesIn(testing::kEditingScripts));

TEST(Editing, SecondCommaBeepsAndChangesNothing)
{
    PlainCalculator p;
    Press(p, "5 , 2 ,");
    EXPECT_EQ(p.view.EntryText(), "5,2");
    EXPECT_EQ(p.view.Beeps(), 1);
    EXPECT_TRUE(p.view.Failures().empty());  // a beep, not a failure

    Press(p, "C 10 / 4 = ,");                // the comma test comes before the new entry
    EXPECT_EQ(p.view.EntryText(), "2,5");
    EXPECT_EQ(p.view.Beeps(), 2);
}

TEST(Editing, ADroppedDigitStillRefreshesTheConversion)
{
    PlainCalculator p;
    Press(p, "123456789012345");
    p.view.SetConversionText("stale");
    Press(p, "6");
    EXPECT_EQ(p.view.ConversionText(), "63.760.110.424,86");
}

TEST(Editing, BackspaceIntoAnExponentReportsNotANumber)
{
    PlainCalculator p;
    Press(p, "1 / 300000 = BS BS");
    EXPECT_EQ(p.view.EntryText(), "3,333333333E-");
    ASSERT_EQ(p.view.Failures().size(), 1u);
    EXPECT_EQ(p.view.Failures()[0], Failure::NotANumber);
}

}  // namespace
}  // namespace abaquino
