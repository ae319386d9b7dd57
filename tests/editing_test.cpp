#include "key_script.h"

#include <gtest/gtest.h>

namespace abaquino {
namespace {

using testing::Press;

struct Edit {
    const char* keys;
    const char* entry;
};

void PrintTo(const Edit& edit, std::ostream* out) { *out << '"' << edit.keys << '"'; }

class Editing : public ::testing::TestWithParam<Edit> {};

TEST_P(Editing, BuildsTheEntry)
{
    PlainCalculator p;
    Press(p, GetParam().keys);
    EXPECT_EQ(p.view.EntryText(), GetParam().entry);
    EXPECT_EQ(p.view.EntryCaret(), p.view.EntryText().size());
}

INSTANTIATE_TEST_SUITE_P(Keys, Editing, ::testing::Values(
    Edit{"5 , 2", "5,2"},
    Edit{"0 0 7", "007"},
    Edit{"+ , 5", ",5"},                   // new entry starts with the comma
    Edit{"12 = 3", "3"},
    Edit{"123 = BS 3", "3"},               // backspace keeps the entry marked new
    Edit{"12 +/-", "-12"},
    Edit{"12 +/- +/-", "12"},
    Edit{"1 , 25 +/-", "-1,25"},
    Edit{"= +/- 4", "-4"},                 // sign on a new entry gives a lone minus
    Edit{"+/-", "-"},
    Edit{"123 BS", "12"},
    Edit{"5 BS", ""},
    Edit{"5 +/- BS", ""},
    Edit{"12 +/- BS", "-1"},
    Edit{"5 , BS", "5"},
    Edit{"BS", ""},
    Edit{"123456789012345 6", "123456789012345"},   // the sixteenth character is dropped
    Edit{"123456789012345 ,", "123456789012345"},
    Edit{"123456789012345 +/-", "-12345678901234"}
));

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
