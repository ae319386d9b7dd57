#include "support/key_script.h"

#include <gtest/gtest.h>

namespace abaquino {
namespace {

using testing::Press;
using testing::Type;

TEST(Keyboard, TypedCharactersWorkTheKeypad)
{
    const struct { const char* typed; const char* entry; } cases[] = {
        {"12+3\r", "15"},
        {"2*3=", "6"}, {"2x3=", "6"}, {"2X3=", "6"}, {"8/2=", "4"},
        {"5-", "5"},            // subtraction pending, not a negative entry
        {"5-2=", "3"},
        {"1.5", "1,5"}, {"1,5", "15"},   // "." is the comma; "," is ignored
        {"200+10%", "220"},
        {"2+5c3=", "5"}, {"2+5C", ""},   // clear entry, the addition survives
        {"7abzZ ?\t", "7"},
    };
    for (const auto& c : cases) {
        PlainCalculator p;
        Type(p, c.typed);
        EXPECT_EQ(p.view.EntryText(), c.entry) << c.typed;
    }
}

TEST(Keyboard, KeyCodesAreConsumedOnEveryPath)
{
    PlainCalculator p;
    for (std::int16_t key : {std::int16_t{'7'}, std::int16_t{'q'}, std::int16_t{13}, std::int16_t{300}}) {
        std::int16_t code = key;
        p.calculator.Form_KeyPress(code);
        EXPECT_EQ(code, 0) << key;
    }
    for (std::int16_t key : {std::int16_t{8}, std::int16_t{46}, std::int16_t{65}}) {
        std::int16_t code = key;
        p.calculator.Form_KeyUp(code, 0);
        EXPECT_EQ(code, 0) << key;
    }
}

TEST(Keyboard, BackspaceAndDeleteRemoveOnRelease)
{
    PlainCalculator p;
    Type(p, "1234");
    for (std::int16_t key : {std::int16_t{8}, std::int16_t{46}, std::int16_t{37}}) {
        p.calculator.Form_KeyUp(key, 0);
    }
    EXPECT_EQ(p.view.EntryText(), "12");
}

TEST(Keyboard, FocusPutsTheCaretAtTheEnd)
{
    PlainCalculator p;
    Type(p, "123");
    p.view.SetEntryCaret(0);
    p.calculator.txtDisplay_GotFocus();
    EXPECT_EQ(p.view.EntryCaret(), 3u);
}

}  // namespace
}  // namespace abaquino
