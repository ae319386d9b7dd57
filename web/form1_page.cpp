#include "web/form1_page.h"

#include "behaviour/failure_balloon.h"
#include "behaviour/form1_clicks.h"
#include "behaviour/form1_controls.h"
#include "behaviour/paste.h"
#include "behaviour/spoken_amounts.h"
#include "calc/number_text.h"
#include "calc/pasted_amount.h"
#include "designs/form1_design.h"
#include "web/dom.h"
#include "web/page_markup.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace abaquino::web {

namespace {

using designs::kForm1Controls;

// A text the document writes into a buffer of the size asked, which says how much it needed.
template <class Write>
std::string ReadText(Write write)
{
    std::string text(64, '\0');
    int needed = write(text.data(), static_cast<int>(text.size()));
    if (needed > static_cast<int>(text.size())) {
        text.resize(static_cast<std::size_t>(needed));
        needed = write(text.data(), needed);
    }
    text.resize(static_cast<std::size_t>(std::max(needed - 1, 0)));
    return text;
}

bool TakesTab(std::size_t place) { return designs::TakesTab(kForm1Controls[place]); }

}  // namespace

Form1Page::Form1Page(std::function<void()> beep)
    : beep_(beep ? std::move(beep) : std::function<void()>([this] { abaquino_beep(this); }))
{
    for (const designs::ControlDesign& control : kForm1Controls) ids_.push_back(ElementId(control.name, control.index));
    behaviour::TakeForm1Controls(*this, [](std::size_t place, std::size_t& field) { field = place; });
    abaquino_check(Id(behaviour::StartingOption(*this)));
    DescribeConversion();
    abaquino_attach(this, static_cast<int>(behaviour::kPasteReadLimit));
    abaquino_focus(Id(designs::StartFocus(kForm1Controls)));
    windows_.Load(PageWindow::Form1);
    abaquino_ready();
}

Form1Page::~Form1Page() { abaquino_detach(this); }

bool Form1Page::KeyDown(behaviour::Key key, behaviour::Modifiers held, char32_t typed)
{
    using behaviour::KeyAnswer;
    abaquino_hide_balloon(this);  // any key closes it
    if (AboutOpen()) return AboutKey(typed);
    const int focus = abaquino_focused_place();
    const std::optional<designs::ControlKind> kind =
        focus < 0 ? std::nullopt : std::optional(kForm1Controls[static_cast<std::size_t>(focus)].kind);
    // What types nothing and chooses nothing stays the browser's: F5, Ctrl+plus, Alt+Left.
    const auto type = [&] {
        const auto code = behaviour::TypedCode(typed, held);
        if (!code) return false;
        std::int16_t keyAscii = *code;
        calculator_.Form_KeyPress(keyAscii);
        return true;
    };
    switch (behaviour::AnswerKeyDown(key, held, kind)) {
    case KeyAnswer::CopyFocusedDisplay:
        if (key == behaviour::Key::C && held.shift) return CopyConversion();
        if (held.meta) return abaquino_copy_through_clipboard(this);
        return false;  // the browser's copy event follows
    case KeyAnswer::Paste:
        if (held.meta) abaquino_await_paste(this, static_cast<int>(behaviour::kPasteReadLimit));
        return false;  // and its paste event
    case KeyAnswer::ChooseOtherOption: ChooseOtherOption(); return true;
    case KeyAnswer::NextTabStop: MoveFocus(true); return true;
    case KeyAnswer::PreviousTabStop: MoveFocus(false); return true;
    case KeyAnswer::ToControl: type(); return false;
    case KeyAnswer::KeyPress: return type();
    case KeyAnswer::DecimalComma: behaviour::TypeDecimalComma(calculator_); return true;
    case KeyAnswer::ToMenu: return ChooseMenuEntry(typed);
    case KeyAnswer::Swallow: return true;
    case KeyAnswer::ToSystem: return false;
    }
    return true;
}

void Form1Page::KeyUp(behaviour::Key key, behaviour::Modifiers held)
{
    if (AboutOpen()) return;
    behaviour::Release release = behaviour::Released(key, held);
    calculator_.Form_KeyUp(release.code, release.shift);
}

// The About window is modal: Enter and Esc close it, as its one button is both the default and
// the cancel button, and so does Space, which presses that button whether it or the window that
// opened with the focus has it; Tab stays the browser's.
bool Form1Page::AboutKey(char32_t typed)
{
    if (typed != U'\r' && typed != 27 && typed != U' ') return false;
    AboutDone();
    return true;
}

void Form1Page::Clicked(std::size_t place)
{
    if (place >= kForm1Controls.size()) return;
    if (kForm1Controls[place].kind == designs::ControlKind::OptionButton) DescribeConversion();
    behaviour::Click(calculator_, kForm1Controls[place]);
}

void Form1Page::MenuChosen(std::size_t entry)
{
    if (entry >= designs::kForm1Menu.size() || AboutOpen()) return;
    behaviour::ChooseMenuEntry(*this, designs::kForm1Menu[entry]);
}

// Alt with a menu entry's access key chooses it, as on the desktop; false for any other key.
bool Form1Page::ChooseMenuEntry(char32_t accessKey)
{
    for (std::size_t entry = 0; entry < designs::kForm1Menu.size(); ++entry) {
        const char key = designs::AccessKey(designs::kForm1Menu[entry]);
        if (accessKey < 128 && std::toupper(static_cast<int>(accessKey)) == std::toupper(key)) {
            MenuChosen(entry);
            return true;
        }
    }
    return false;
}

void Form1Page::EntryFocused() { calculator_.txtDisplay_GotFocus(); }

void Form1Page::Esci_Click(std::int16_t /*Index*/)
{
    ended_ = true;
    abaquino_end(this);
}

void Form1Page::Informazioni_Click()
{
    const int focus = abaquino_focused_place();
    focusBeforeAbout_ = focus < 0 ? std::nullopt : std::optional(static_cast<std::size_t>(focus));
    windows_.Load(PageWindow::About);
    abaquino_show_about();
}

// Every way of closing the About window ends here, once; the focus goes back where it was.
void Form1Page::AboutDone()
{
    windows_.RunUnload(PageWindow::About, [](std::int16_t&) {}, [this] {
        abaquino_close_about();
        abaquino_focus(Id(focusBeforeAbout_.value_or(txtDisplay)));
    });
}

bool Form1Page::Checked(std::size_t option) const { return abaquino_checked(Id(option)); }

std::size_t Form1Page::ChosenOption() const
{
    return behaviour::ChosenOptionOf(*this, [this](std::size_t option) { return Checked(option); });
}

void Form1Page::MoveFocus(bool forward)
{
    std::vector<std::size_t> places(kForm1Controls.size());
    std::iota(places.begin(), places.end(), std::size_t{0});
    const int focus = abaquino_focused_place();
    const std::size_t from = focus < 0 ? kForm1Controls.size() : static_cast<std::size_t>(focus);
    abaquino_focus(Id(behaviour::NextInTabWalk(places, from, forward, behaviour::OptionsOf(*this), ChosenOption(), TakesTab)));
}

// An arrow on an option moves to the other and clicks it, which chooses it.
void Form1Page::ChooseOtherOption()
{
    const int focus = abaquino_focused_place();
    const std::size_t other = behaviour::OtherOption(*this, static_cast<std::size_t>(focus));
    abaquino_focus(Id(other));
    abaquino_check(Id(other));
    Clicked(other);
}

// A screen reader reviewing the page hears the converted amount with its currency.
void Form1Page::DescribeConversion()
{
    abaquino_set_description(Id(TxtDisplay1), behaviour::ConversionDescription(
                                                   kForm1Controls[TxtDisplay1].accessibleDescription, behaviour::ShownCurrency(*this)).c_str());
}

std::string Form1Page::CopiedText() const
{
    if (AboutOpen()) return {};  // the About window has nothing to copy
    const std::string selected = ReadText([this](char* b, int n) { return abaquino_selected_text(Id(TxtDisplay1), b, n); });
    return behaviour::CopiedText(copyFrom_,
                                 abaquino_focused_place() == static_cast<int>(TxtDisplay1), EntryText(),
                                 ConversionText(), selected);
}

// Ctrl+Shift+C: the keyboard's way to the converted amount, which only a click can focus.
bool Form1Page::CopyConversion()
{
    copyFrom_ = behaviour::CopyFrom::Conversion;
    abaquino_copy_now();
    copyFrom_ = behaviour::CopyFrom::FocusedDisplay;
    return true;
}

const std::string& Form1Page::Copy()
{
    copied_ = CopiedText();
    return copied_;
}

void Form1Page::Pasted(std::optional<std::string_view> text)
{
    if (AboutOpen()) return;
    behaviour::Paste(calculator_, *this, text);
}

char* Form1Page::Scratch(std::size_t size)
{
    scratch_.assign(size, '\0');
    return scratch_.data();
}

std::string Form1Page::FailureShown() const { return ReadText(abaquino_balloon_text); }

std::string Form1Page::EntryText() const
{
    return ReadText([this](char* b, int n) { return abaquino_text(Id(txtDisplay), b, n); });
}

void Form1Page::SetEntryText(std::string_view text)
{
    abaquino_hide_balloon(this);
    abaquino_set_text(Id(txtDisplay), std::string(KeptByEntry(text)).c_str());
    calculator_.txtDisplay_Change();
}

std::size_t Form1Page::EntryCaret() const { return static_cast<std::size_t>(abaquino_caret(Id(txtDisplay))); }

void Form1Page::SetEntryCaret(std::size_t position) { abaquino_set_caret(Id(txtDisplay), static_cast<int>(position)); }

std::string Form1Page::ConversionText() const
{
    return ReadText([this](char* b, int n) { return abaquino_text(Id(TxtDisplay1), b, n); });
}

void Form1Page::SetConversionText(std::string_view text)
{
    abaquino_hide_balloon(this);
    abaquino_set_text(Id(TxtDisplay1), std::string(text).c_str());
}

bool Form1Page::LireOption() const { return behaviour::IsLireOption(*this, ChosenOption()); }

void Form1Page::Beep() { beep_(); }

// A beep carries no words: the step's sentence says the failure.
void Form1Page::ReportFailure(Failure failure)
{
    beep_();
    abaquino_show_balloon(this, std::string(FailureMessage(failure)).c_str(), behaviour::kFailureShownMilliseconds);
    step_.NoteFailure(failure);
}

void Form1Page::AmountsShown() { step_.NoteAmountsShown(); }

void Form1Page::StepOver()
{
    const std::string sentence = step_.Take(*this);
    if (sentence.empty()) return;
    said_.push_back(sentence);
    abaquino_say(sentence.c_str());
}

}  // namespace abaquino::web
