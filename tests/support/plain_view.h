#pragma once

#include "calc/calculator_view.h"

#include <functional>
#include <vector>

namespace abaquino {

// The window's controls as plain values, for driving the calculator without a window.
// It remembers beeps and failures so that they can be checked.
class PlainView final : public CalculatorView {
public:
    std::string EntryText() const override { return entry_; }
    void SetEntryText(std::string_view text) override;
    std::size_t EntryCaret() const override { return caret_; }
    void SetEntryCaret(std::size_t position) override { caret_ = position; }
    std::string ConversionText() const override { return conversion_; }
    void SetConversionText(std::string_view text) override { conversion_ = text; }
    bool LireOption() const override { return lire_; }
    void Beep() override { ++beeps_; }
    void ReportFailure(Failure failure) override { failures_.push_back(failure); }

    // Runs on every write of the entry text, as the display's change event does.
    void OnEntryChange(std::function<void()> handler) { onEntryChange_ = std::move(handler); }
    void SetLireOption(bool on) { lire_ = on; }

    int Beeps() const { return beeps_; }
    const std::vector<Failure>& Failures() const { return failures_; }

private:
    std::string entry_;
    std::size_t caret_ = 0;
    std::string conversion_;
    bool lire_ = false;
    int beeps_ = 0;
    std::vector<Failure> failures_;
    std::function<void()> onEntryChange_;
};

}  // namespace abaquino
