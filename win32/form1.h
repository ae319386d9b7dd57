#pragma once

#include "behaviour/step_sentence.h"
#include "behaviour/window_keys.h"
#include "calc/calculator.h"
#include "calc/calculator_view.h"
#include "win32/announcer.h"
#include "win32/colours.h"
#include "win32/control_table.h"
#include "win32/entry_display.h"
#include "win32/failure_balloon.h"
#include "win32/loaded_windows.h"
#include "win32/message_pump.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <windows.h>

namespace abaquino::win32 {

// The main window: the calculator's displays, keypad and currency choice, and a menu bar with
// "Esci" and "Informazioni". It is the calculator's view: the logic reads and writes its
// controls through CalculatorView, and every control notification goes straight to a handler.
class Form1 final : public CalculatorView {
public:
    // beep sounds the system alert, highContrast says whether high contrast is on, uia is how the
    // answers reach a screen reader; tests pass their own.
    explicit Form1(HINSTANCE instance, std::function<void()> beep = {}, HighContrast highContrast = {},
                   UiaFunctions uia = UiaFunctions::FromSystem());
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND Hwnd() const { return window_; }
    Calculator& calculator() { return calculator_; }
    LoadedWindows& loadedWindows() { return windows_; }
    const LoadedWindows& loadedWindows() const { return windows_; }
    MessagePump& pump() { return pump_; }
    const FailureBalloon& failureBalloon() const { return *balloon_; }
    const Announcer& announcer() const { return *announcer_; }
    int Dpi() const { return dpi_; }  // the monitor's

    // Centred on its monitor.
    void Show(int how);

    // The key preview: the window sees every key before the control that has the focus, and
    // each one reaches the keyboard map once. True when the message must go no further.
    bool PreviewMessage(MSG& message);

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

    // The controls it uses by their designed names; the others by their place in the design.
    HWND txtDisplay = nullptr;
    HWND TxtDisplay1 = nullptr;
    HWND OptBLire = nullptr;
    HWND OptBEuro = nullptr;

private:
    template <class Window>
    friend LRESULT CALLBACK ObjectProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int notification);
    void OnEntryNotification(int notification);
    LRESULT OnControlColours(HDC dc, HWND control);
    void OnColoursChanged();
    void OnEraseBackground(HDC dc);
    void OnTimer(WPARAM timer);
    void SayStep();
    bool OnSysCommand(WPARAM command, LPARAM lParam);
    bool OnGetMinMaxInfo(MINMAXINFO& limits);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnMove();
    void OnSize(WPARAM how);
    bool OnActivate(int state, bool minimised);
    void OnClose();
    void OnEndSession(bool ending);
    void OnDestroy();

    void CreateMainWindow();
    void TakeControls();
    void PrepareControls();
    void AddToolTips();
    void LayOutFor(int dpi);
    void OnSettingChange(WPARAM setting);
    SIZE FrameSize() const;
    void KeepTheDesignedClientArea();
    void TakeColours();

    // The key preview's parts (form1_keyboard.cpp).
    bool KeyDown(const MSG& message);
    bool CharacterTyped(WPARAM character);
    void KeyReleased(WPARAM key);
    void ChooseOtherOption();
    void MoveFocus(bool forward);

    void Choose(HWND option);
    HWND ChosenOption() const;
    void Copy(behaviour::CopyFrom from);
    void Paste();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    Calculator calculator_{*this};
    LoadedWindows windows_;
    MessagePump pump_{*this};
    std::function<void()> beep_;
    HighContrast highContrast_;
    Palette palette_;
    int dpi_ = 96;
    int textScale_ = 100;        // percent, Windows' text size
    std::unique_ptr<Fonts> fonts_;  // at the monitor's resolution enlarged by the text size
    std::vector<HWND> controls_;  // in table order
    EntryDisplay entry_;
    std::unique_ptr<FailureBalloon> balloon_;
    std::unique_ptr<Announcer> announcer_;
    behaviour::StepSentence step_;
    bool readerEchoesStep_ = false;  // the step began with a key the reader's editing scripts echo
    HWND toolTips_ = nullptr;
    HWND lastFocus_ = nullptr;  // while another window is active
    bool optionTakingFocus_ = false;  // an option is taking the focus (PrepareOption)
    HBRUSH background_ = nullptr;
    std::array<HICON, 2> icons_{};  // the caption's, big and small, at the window's resolution
};

}  // namespace abaquino::win32
