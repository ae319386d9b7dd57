#pragma once

// What a screen reader is to say at once, the focus wherever it is: each step's one sentence (a
// result with its conversion, both amounts after a change of currency, a failure). One route per
// sentence, so that none is said twice:
// - a UI Automation notification (Windows 10 1709 and later), raised on a provider of our own on
//   a 1x1 disabled child window, as Windows' own calculator announces its results; not where a
//   reader known to ignore notifications has hooked the program (JAWS, Dolphin), nor under wine,
//   which delivers none;
// - otherwise a live region: the conversion display's accessible name becomes the sentence and the
//   display raises a live-region change, for NVDA speaks the name. The display's designed name
//   comes back with its next amount, or as soon as it takes the focus.

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include <uiautomationcore.h>

namespace abaquino::win32 {

// The functions of uiautomationcore that the notification route calls, and no other: wine's
// stubs of the others resolve and then abort. Any may be missing (no export, an older Windows).
struct UiaFunctions {
    LRESULT(WINAPI* ReturnRawElementProvider)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*) = nullptr;
    HRESULT(WINAPI* HostProviderFromHwnd)(HWND, IRawElementProviderSimple**) = nullptr;
    BOOL(WINAPI* ClientsAreListening)() = nullptr;
    HRESULT(WINAPI* RaiseNotificationEvent)(IRawElementProviderSimple*, int kind, int processing, BSTR text,
                                            BSTR activityId) = nullptr;
    HRESULT(WINAPI* DisconnectProvider)(IRawElementProviderSimple*) = nullptr;
    // Whether no reader would hear a notification: one that ignores them runs in this process, or
    // the system drops them; no such case when missing.
    bool (*NotificationsGoUnheard)() = nullptr;

    // From System32's uiautomationcore; a build may force a route for testers (docs/windows-screen-readers.md).
    static UiaFunctions FromSystem();
};

class AnnouncerProvider;

class Announcer {
public:
    enum class Route { None, Notification, LiveRegion };
    static constexpr wchar_t kClassName[] = L"AbaquinoAnnouncer";

    // A child of `window`; `liveRegion` is the display that carries the live-region route.
    Announcer(HWND window, HWND liveRegion, UiaFunctions uia = UiaFunctions::FromSystem());
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // What a sentence may cut short: nothing, so that the reader first finishes what it is saying
    // (the option that has just taken the focus), or the reader's own echo of an editing key in the
    // entry, which the sentence says whole ("15" before "15, in euro 0,01").
    enum class Supersede { Nothing, ReadersEcho };
    void Say(const std::wstring& sentence, Supersede supersede = Supersede::Nothing);
    // The display shows a new amount, or takes the focus: it answers with its designed name again.
    void DisplayChanged();

    HWND Hwnd() const { return window_; }
    Route LastRoute() const { return lastRoute_; }
    const std::vector<std::wstring>& Said() const { return said_; }  // everything said, in order

private:
    template <class Window>
    friend LRESULT CALLBACK ObjectProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    bool Notify(const std::wstring& sentence, Supersede supersede);
    void SayInLiveRegion(const std::wstring& sentence);

    UiaFunctions uia_;
    HWND liveRegion_;
    HWND window_ = nullptr;
    AnnouncerProvider* provider_ = nullptr;
    bool liveRegionSpeaks_ = false;
    Route lastRoute_ = Route::None;
    std::vector<std::wstring> said_;
};

}  // namespace abaquino::win32
