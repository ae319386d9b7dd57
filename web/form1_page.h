#pragma once

// The main window as a page: the calculator's view over the document that page_markup.cpp made,
// with the same key rules, clicks, clipboard and About window as the desktop programs.

#include "behaviour/loaded_windows.h"
#include "behaviour/step_sentence.h"
#include "behaviour/window_keys.h"
#include "calc/calculator.h"
#include "calc/calculator_view.h"
#include "calc/currency_conversion.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abaquino::web {

enum class PageWindow { None, Form1, About };

// A page's windows are its markup: they exist while the page does, and close when told.
struct PageToolkit {
    using Window = PageWindow;
    static bool Exists(PageWindow) { return true; }
    static void AskToClose(PageWindow) {}
};
using LoadedWindows = behaviour::LoadedWindows<PageToolkit>;

class Form1Page final : public CalculatorView {
public:
    // Takes over the page's markup, as loaded. `beep` sounds the alert; tests count with theirs.
    explicit Form1Page(std::function<void()> beep = {});
    ~Form1Page() override;
    Form1Page(const Form1Page&) = delete;
    Form1Page& operator=(const Form1Page&) = delete;

    Calculator& calculator() { return calculator_; }
    const LoadedWindows& loadedWindows() const { return windows_; }
    bool Ended() const { return ended_; }
    std::string FailureShown() const;

    // What the document hands on (page_events.cpp). KeyDown is true when the key goes no further.
    bool KeyDown(behaviour::Key key, behaviour::Modifiers held, char32_t typed);
    void KeyUp(behaviour::Key key, behaviour::Modifiers held);
    void Clicked(std::size_t place);
    void MenuChosen(std::size_t entry);
    void EntryFocused();
    std::string CopiedText() const;
    const std::string& Copy();  // CopiedText, kept until the next copy for the document to read
    void Pasted(std::optional<std::string_view> text);
    void AboutDone();
    // Every event ends a step of the user's: its one sentence, if any, is said now.
    void StepOver();
    const std::vector<std::string>& Said() const { return said_; }  // everything said, in order
    char* Scratch(std::size_t size);  // for the texts of the next event

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

    // The controls it uses by name, as their places in the design; ids_ holds every element id.
    std::size_t txtDisplay = 0, TxtDisplay1 = 0, OptBLire = 0, OptBEuro = 0;

private:
    const char* Id(std::size_t place) const { return ids_[place].c_str(); }
    bool AboutOpen() const { return windows_.Count() > 1; }
    bool Checked(std::size_t option) const;
    std::size_t ChosenOption() const;
    void MoveFocus(bool forward);
    void ChooseOtherOption();
    bool ChooseMenuEntry(char32_t accessKey);
    void DescribeConversion();
    bool AboutKey(char32_t typed);
    bool CopyConversion();

    Calculator calculator_{*this};
    LoadedWindows windows_;
    std::function<void()> beep_;
    std::vector<std::string> ids_;  // in the design's order
    std::optional<std::size_t> focusBeforeAbout_;
    std::string copied_;
    std::string scratch_;
    behaviour::StepSentence step_;
    std::vector<std::string> said_;
    behaviour::CopyFrom copyFrom_ = behaviour::CopyFrom::FocusedDisplay;
    bool ended_ = false;
};

}  // namespace abaquino::web
