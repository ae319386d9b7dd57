#pragma once

#include "calc/failure.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace abaquino {

// What the calculator reads and writes on its main window: the four control properties, the
// beep and the failure report. Each front end's main window (Qt's and Win32's) implements it
// over real controls; PlainView over plain values.
class CalculatorView {
public:
    virtual ~CalculatorView() = default;

    // The entry display. Writing keeps only the first 15 characters and runs the display's
    // change handler before returning.
    virtual std::string EntryText() const = 0;
    virtual void SetEntryText(std::string_view text) = 0;
    virtual std::size_t EntryCaret() const = 0;
    virtual void SetEntryCaret(std::size_t position) = 0;

    // The conversion display.
    virtual std::string ConversionText() const = 0;
    virtual void SetConversionText(std::string_view text) = 0;

    // Whether "convert into lire" is chosen.
    virtual bool LireOption() const = 0;

    // The short alert of the comma key when the entry has a comma already.
    virtual void Beep() = 0;

    // An operation could not be completed.
    virtual void ReportFailure(Failure failure) = 0;

    // The displays now hold a result, or the amount in the newly chosen currency: a window that
    // speaks to screen readers says both amounts. Nothing by default.
    virtual void AmountsShown() {}
};

}  // namespace abaquino
