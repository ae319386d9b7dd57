// Every input is a session of user actions; after each action the calculator's rules must hold.

#include "support/actions.h"

#include <cstdio>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace abaquino;
    using namespace abaquino::testing;
    PlainCalculator session;
    std::span<const std::uint8_t> input(data, size);
    while (const auto action = TakeAction(input)) {
        const Snapshot before = Snapshot::Of(session);
        Perform(session, *action);
        if (const auto broken = BrokenRule(before, Snapshot::Of(session), *action)) {
            std::fprintf(stderr, "%s after %s (entry before \"%s\")\n", broken->c_str(),
                         Describe(*action).c_str(), before.entry.c_str());
            std::abort();
        }
    }
    return 0;
}
