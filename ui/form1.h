#pragma once

#include "behaviour/step_sentence.h"
#include "behaviour/window_keys.h"
#include "calc/calculator.h"
#include "calc/calculator_view.h"
#include "calc/currency_conversion.h"
#include "ui/loaded_windows.h"

#include <QClipboard>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace abaquino::ui {

class BuiltControls;
class EntryDisplay;
class Announcer;
class FailureBalloon;

// The main window: the calculator's displays, keypad and currency choice, and a menu bar with
// "Esci" and "Informazioni". It is the calculator's view: the logic reads and writes its
// controls through CalculatorView, and every control event goes straight to a handler.
class Form1 final : public QMainWindow, public CalculatorView {
    Q_OBJECT

public:
    // beep sounds the system alert; tests pass their own to count the beeps. A screen reader
    // hears every change of either display from the text boxes themselves.
    explicit Form1(std::function<void()> beep = {});
    ~Form1() override;

    Calculator& calculator() { return calculator_; }
    LoadedWindows& loadedWindows() { return windows_; }
    const LoadedWindows& loadedWindows() const { return windows_; }
    const FailureBalloon& failureBalloon() const { return *balloon_; }
    const Announcer& announcer() const { return *announcer_; }

    void Esci_Click(std::int16_t Index);
    void Informazioni_Click();

    // CalculatorView
    std::string EntryText() const override;
    void SetEntryText(std::string_view text) override;
    std::size_t EntryCaret() const override;
    void SetEntryCaret(std::size_t position) override;
    std::string ConversionText() const override;
    void SetConversionText(std::string_view text) override;
    bool LireOption() const override;
    void Beep() override;
    void ReportFailure(Failure failure) override;
    void AmountsShown() override;
    void DescribeConversion();

    // The controls it uses by their designed names; the others by their place in the design.
    EntryDisplay* txtDisplay = nullptr;
    QLineEdit* TxtDisplay1 = nullptr;
    QRadioButton* OptBLire = nullptr;
    QRadioButton* OptBEuro = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void TakeControls(const BuiltControls& controls);
    void BuildMenu();
    void BindEvents();
    void BindOption(QRadioButton* option, const std::function<void()>& handler);
    void ChooseOtherOption();
    void Copy(behaviour::CopyFrom from);
    void Paste(QClipboard::Mode mode);
    QRadioButton* ChosenOption() const;
    void SayAfterStep();

    Calculator calculator_{*this};
    LoadedWindows windows_;
    std::function<void()> beep_;
    std::vector<QWidget*> controls_;  // in the design's order
    FailureBalloon* balloon_ = nullptr;
    Announcer* announcer_ = nullptr;
    behaviour::StepSentence step_;
    bool centred_ = false;
    bool optionChosenAtPress_ = false;  // one option is pressed at a time
};

}  // namespace abaquino::ui
