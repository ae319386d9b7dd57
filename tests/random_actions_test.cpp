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
        std::vector<std::uint8_t> bytes(2 * kActionsPerSession);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(byte(random));
        // Digits and operators more often than the rest, to reach long numbers and overflow.
        for (std::size_t i = 0; i < bytes.size(); i += 2) {
            if (bytes[i] % 3 == 0) bytes[i] = static_cast<std::uint8_t>(bytes[i] % 2 == 0 ? 0 : 4);
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
    EXPECT_GE(performed, 100'000);
}

}  // namespace
}  // namespace abaquino::testing
