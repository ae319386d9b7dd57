#include "calc/pasted_amount.h"

#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace abaquino {

namespace {

// Spaces around an amount, and between it and its currency (UTF-8).
constexpr auto kSpaces = std::to_array<std::string_view>({" ", "\t", "\r", "\n", "\xC2\xA0", "\xE2\x80\xAF"});
constexpr auto kMinusSigns = std::to_array<std::string_view>({"-", "\xE2\x88\x92"});
// Longest first, so that "Lit." is not taken for "L".
constexpr auto kCurrencyMarks = std::to_array<std::string_view>(
    {"\xE2\x82\xAC", "euro", "eur", "lire", "lit.", "lit", "itl", "l.", "l"});

bool SameLetters(std::string_view text, std::string_view lowerCase)
{
    return text.size() == lowerCase.size() &&
           std::equal(text.begin(), text.end(), lowerCase.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
}

bool TakeFront(std::string_view& text, std::string_view prefix)
{
    if (!SameLetters(text.substr(0, prefix.size()), prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool TakeBack(std::string_view& text, std::string_view suffix)
{
    if (text.size() < suffix.size() || !SameLetters(text.substr(text.size() - suffix.size()), suffix)) {
        return false;
    }
    text.remove_suffix(suffix.size());
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view space : kSpaces) {
            while (TakeFront(text, space) || TakeBack(text, space)) trimmed = true;
        }
    }
    return text;
}

bool TakeMinus(std::string_view& text)
{
    return std::any_of(kMinusSigns.begin(), kMinusSigns.end(),
                       [&](std::string_view minus) { return TakeFront(text, minus); });
}

bool TakeCurrency(std::string_view& text)
{
    return std::any_of(kCurrencyMarks.begin(), kCurrencyMarks.end(), [&](std::string_view mark) {
        return TakeFront(text, mark) || TakeBack(text, mark);
    });
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// "1.234.567" with its separator: groups of three after a first group of one to three.
std::optional<std::string> Ungrouped(std::string_view digits, char separator)
{
    const auto groups = Split(digits, separator);
    std::string plain;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const std::size_t size = groups[i].size();
        if (i == 0 ? size < 1 || size > 3 : size != 3) return std::nullopt;
        if (i == 0 && groups.size() > 1 && groups[0].front() == '0') return std::nullopt;  // "0.500"
        plain += groups[i];
    }
    return plain;
}

// Which of "." and "," separates the decimals, if either does.
std::optional<char> DecimalSeparator(std::string_view body)
{
    const auto dots = std::count(body.begin(), body.end(), '.');
    const auto commas = std::count(body.begin(), body.end(), ',');
    if (dots != 0 && commas != 0) return body.find_last_of(".,") == body.rfind('.') ? '.' : ',';
    if (commas == 1) return ',';
    if (dots == 1 && !Ungrouped(body, '.')) return '.';  // "1234.56"; "290.441" is grouped
    return std::nullopt;
}

// The digits of "1.234,56", "1,234.56", "1234.56" or "290.441" as an entry's "1234,56".
std::optional<std::string> EntryDigits(std::string_view body)
{
    if (body.empty() || !IsDigit(body.front()) || !IsDigit(body.back())) return std::nullopt;
    if (!std::all_of(body.begin(), body.end(), [](char c) { return IsDigit(c) || c == '.' || c == ','; })) {
        return std::nullopt;
    }
    const auto decimal = DecimalSeparator(body);
    const auto point = decimal ? body.find(*decimal) : std::string_view::npos;
    const std::string_view integerPart = body.substr(0, point);
    const std::string_view fraction = decimal ? body.substr(point + 1) : std::string_view();
    if (!std::all_of(fraction.begin(), fraction.end(), IsDigit)) return std::nullopt;

    std::optional<std::string> integer = std::string(integerPart);
    if (const auto grouping = integerPart.find_first_of(".,"); grouping != std::string_view::npos) {
        integer = Ungrouped(integerPart, integerPart[grouping]);
        if (!integer) return std::nullopt;
    }
    integer->erase(0, std::min(integer->find_first_not_of('0'), integer->size() - 1));
    return fraction.empty() ? *integer : *integer + ',' + std::string(fraction);
}

}  // namespace

Outcome<std::string> ReadPastedAmount(std::string_view text)
{
    if (text.size() > kLongestPastedText) return Failure::NotANumber;
    std::string_view body = Trimmed(text);
    bool negative = TakeMinus(body);
    body = Trimmed(body);
    if (TakeCurrency(body)) body = Trimmed(body);
    if (!negative) {
        negative = TakeMinus(body);
        body = Trimmed(body);
    }
    const auto digits = EntryDigits(body);
    if (!digits) return Failure::NotANumber;
    std::string entry = negative ? '-' + *digits : *digits;
    if (entry.size() > kEntryLimit) return Failure::TooLong;
    return entry;
}

}  // namespace abaquino
