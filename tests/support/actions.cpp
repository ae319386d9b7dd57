#include "support/actions.h"

#include "behaviour/paste.h"
#include "calc/number_text.h"
#include "support/key_script.h"

#include <algorithm>
#include <cmath>

namespace abaquino::testing {

namespace {

using Kind = Action::Kind;
constexpr int kKinds = static_cast<int>(Kind::Paste) + 1;
// A paste of this length finds no text on the clipboard (a picture, or another program holds it).
constexpr std::uint8_t kNoText = 255;

bool TakesValue(Kind kind)
{
    return kind == Kind::Digit || kind == Kind::Operator || kind == Kind::KeyPress ||
           kind == Kind::KeyUp || kind == Kind::Paste;
}

std::int16_t ValueFor(Kind kind, std::uint8_t byte)
{
    switch (kind) {
    case Kind::Digit: return static_cast<std::int16_t>(byte % 10);
    case Kind::Operator: return static_cast<std::int16_t>(1 + byte % 4);
    default: return byte;
    }
}

bool IsEqualsOrPercent(const Action& a)
{
    return a.kind == Kind::Equals || a.kind == Kind::Percent ||
           (a.kind == Kind::KeyPress && (a.value == '=' || a.value == 13 || a.value == '%'));
}

bool IsCommaOrSign(const Action& a)
{
    return a.kind == Kind::Decimal || a.kind == Kind::Sign ||
           (a.kind == Kind::KeyPress && a.value == '.');
}

// The entry shows the accumulator, rounded at worst to the digits that fit.
bool ShowsAccumulator(const Snapshot& s)
{
    const auto shown = ReadNumber(s.entry);
    if (!shown) return false;
    const double held = s.state.Accumulator;
    return std::fabs(*shown - held) <= 1e-7 * std::fabs(held) || (*shown == 0 && std::fabs(held) < 1e-300);
}

}  // namespace

std::optional<Action> TakeAction(std::span<const std::uint8_t>& bytes)
{
    if (bytes.empty()) return std::nullopt;
    const auto kind = static_cast<Kind>(bytes.front() % kKinds);
    bytes = bytes.subspan(1);
    std::int16_t value = 0;
    if (TakesValue(kind)) {
        if (bytes.empty()) return std::nullopt;
        value = ValueFor(kind, bytes.front());
        bytes = bytes.subspan(1);
    }
    if (kind != Kind::Paste || value == kNoText) return Action{kind, value};
    const auto text = bytes.first(std::min<std::size_t>(static_cast<std::size_t>(value), bytes.size()));
    bytes = bytes.subspan(text.size());
    return Action{kind, value, std::string(text.begin(), text.end())};
}

void Perform(PlainCalculator& p, const Action& action)
{
    Calculator& c = p.calculator;
    std::int16_t code = action.value;
    constexpr std::string_view kOperators[] = {"", "+", "-", "x", "/"};
    switch (action.kind) {  // the keypad by its keys' names (key_script.h)
    case Kind::Digit: return PressKey(p, std::to_string(action.value));
    case Kind::Decimal: return PressKey(p, ",");
    case Kind::Sign: return PressKey(p, "+/-");
    case Kind::Backspace: return PressKey(p, "BS");
    case Kind::Operator: return PressKey(p, kOperators[action.value]);
    case Kind::Equals: return PressKey(p, "=");
    case Kind::Percent: return PressKey(p, "%");
    case Kind::Clear: return PressKey(p, "C");
    case Kind::ClearEntry: return PressKey(p, "CE");
    case Kind::EuroOption: return PressKey(p, "EUR");
    case Kind::LireOption: return PressKey(p, "LIT");
    case Kind::Refresh: return c.RefreshConversion();
    case Kind::KeyPress: return c.Form_KeyPress(code);
    case Kind::KeyUp: return c.Form_KeyUp(code, 0);
    case Kind::GotFocus: return c.txtDisplay_GotFocus();
    case Kind::Paste: return behaviour::Paste(c, p.view, action.clipboard);
    }
}

std::string Describe(const Action& action)
{
    static constexpr const char* kNames[kKinds] = {
        "digit", "comma", "sign", "backspace", "operator", "equals", "percent", "clear",
        "clear entry", "euro option", "lire option", "refresh", "key press", "key up", "got focus",
        "paste"};
    std::string text = kNames[static_cast<int>(action.kind)];
    if (action.clipboard) {
        text += " of \"";
        for (const char byte : *action.clipboard) {
            const auto code = static_cast<unsigned char>(byte);
            text += code >= 32 && code < 127 ? std::string(1, byte) : "\\x" + std::to_string(code);
        }
        return text + '"';
    }
    if (TakesValue(action.kind)) {
        text += ' ';
        text += std::to_string(action.value);
    }
    return text;
}

Snapshot Snapshot::Of(const PlainCalculator& p)
{
    return Of(p.calculator, p.view, p.view.Failures().size());
}

Snapshot Snapshot::Of(const Calculator& calculator, const CalculatorView& view, std::size_t failures)
{
    return {calculator.State(), view.EntryText(), view.EntryCaret(), view.ConversionText(), failures};
}

std::optional<std::string> BrokenRule(const Snapshot& before, const Snapshot& after,
                                      const Action& action)
{
    if (after.entry.size() > kEntryLimit) return "the entry holds more than 15 characters";
    if (after.caret != after.entry.size()) return "the caret is not at the end of the entry";
    if (IsCommaOrSign(action) && after.conversion != before.conversion) {
        return "the comma or sign key changed the conversion";
    }
    if (IsEqualsOrPercent(action)) {
        const bool failed = after.failures > before.failures && after.state == before.state &&
                            after.entry == before.entry && after.conversion == before.conversion;
        const bool shown = after.state.NewEntry && after.state.PendingOperator == 0 &&
                           ShowsAccumulator(after);
        if (!failed && !shown) return "equals or percent neither completed nor failed cleanly";
    }
    if (action.kind == Kind::Paste && after.failures > before.failures &&
        (after.entry != before.entry || after.conversion != before.conversion)) {
        return "a refused paste changed what is shown";
    }
    return std::nullopt;
}

}  // namespace abaquino::testing
