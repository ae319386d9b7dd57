#include "support/actions.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace abaquino::testing {
namespace {

// Drives long random sessions of keys and clicks and checks the calculator's rules after every
// action. The seed is fixed so a failure can be replayed; it is printed with the failure.
TEST(RandomActions, KeepEveryRuleForAHundredThousandActions)
{
    constexpr std::uint32_t kSeed = 20021;
    constexpr int kSessions = 100;
    constexpr int kActionsPerSession = 1000;
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> byte(0, 255);

    int performed = 0;
    for (int session = 0; session < kSessions; ++session) {
        std::vector<std::uint8_t> bytes;
        for (int action = 0; action < kActionsPerSession; ++action) {
            // Digits and operators more often than the rest, to reach long numbers and overflow.
            const int kind = byte(random);
            const std::uint8_t pair[2] = {static_cast<std::uint8_t>(kind % 3 ? kind : kind % 2 ? 4 : 0),
                                          static_cast<std::uint8_t>(byte(random))};
            std::span<const std::uint8_t> taken(pair);
            const auto kept = TakeAction(taken);  // the kind, and its value where it takes one
            bytes.insert(bytes.end(), pair, pair + (2 - taken.size()));
            if (kept->kind == Action::Kind::Paste && kept->clipboard) {  // the clipboard's bytes follow
                for (int i = 0; i < kept->value; ++i) bytes.push_back(static_cast<std::uint8_t>(byte(random)));
            }
        }

        PlainCalculator p;
        std::span<const std::uint8_t> input(bytes);
        while (const auto action = TakeAction(input)) {
            const Snapshot before = Snapshot::Of(p);
            ASSERT_NO_THROW(Perform(p, *action)) << "seed " << kSeed << ", session " << session;
            const auto broken = BrokenRule(before, Snapshot::Of(p), *action);
            ASSERT_FALSE(broken) << *broken << " after " << Describe(*action) << " (seed " << kSeed
                                 << ", session " << session << ", entry before \"" << before.entry
                                 << "\")";
            ++performed;
        }
    }
    EXPECT_EQ(performed, kSessions * kActionsPerSession);
}

}  // namespace
}  // namespace abaquino::testing
