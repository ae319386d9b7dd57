#include "win32/announcer.h"

#include "win32/accessible_names.h"
#include "win32/com_object.h"
#include "win32/system_dlls.h"
#include "win32/window_class.h"

#include <oleacc.h>

namespace abaquino::win32 {

namespace {

// From the UI Automation headers that mingw-w64 lacks.
constexpr LONG kUiaRootObjectId = -25;
constexpr PROPERTYID kControlTypeProperty = 30003;
constexpr PROPERTYID kNameProperty = 30005;
constexpr LONG kTextControlType = 50020;
constexpr int kActionCompleted = 2;      // NotificationKind_ActionCompleted
// NotificationProcessing_CurrentThenMostRecent: the reader finishes what it is saying (the option
// that has just taken the focus, "Converti in lire") before the sentence. MostRecent supersedes it:
// NVDA cancels its speech for ImportantMostRecent and MostRecent (NVDAObjects/UIA,
// event_UIA_notification).
constexpr int kCurrentThenMostRecent = 4;
constexpr int kMostRecent = 3;
constexpr PROPERTYID kIsControlElementProperty = 30016;
constexpr PROPERTYID kIsContentElementProperty = 30017;
constexpr LONG kPolite = 1;              // LiveSetting Polite
constexpr GUID kLiveSettingProperty{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

#ifdef ABAQUINO_ANNOUNCE_BY_NOTIFICATION
BOOL WINAPI AlwaysListening() { return TRUE; }
#endif

// JAWS and Dolphin's readers hook into the programs they read and take no UI Automation
// notification; their hook libraries in this process say that they run. The same test keeps
// established Win32 programs that announce this way (REAPER's OSARA) on live regions for them.
// Wine's UI Automation takes a notification and hands it to no one (UiaRaiseNotificationEvent is
// a stub that answers S_OK, and from wine 10 on UiaClientsAreListening says yes), while its
// WinEvents do reach a reader in another process: there the live region is the route heard.
bool NoReaderHearsNotifications()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const bool wine = ntdll && GetProcAddress(ntdll, "wine_get_version");
    return wine || GetModuleHandleW(L"jhook.dll") != nullptr || GetModuleHandleW(L"dolwinhk.dll") != nullptr;
}

// Marks the display as a polite live region for UI Automation clients (Narrator reads MSAA
// controls through a proxy that takes the property from here).
void MarkAsLiveRegion(HWND display)
{
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services)))) {
        return;
    }
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    services->SetHwndProp(display, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite);
    services->Release();
}

void ClearLiveRegion(HWND display)
{
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services)))) {
        return;
    }
    MSAAPROPID live = kLiveSettingProperty;
    services->ClearHwndProps(display, OBJID_CLIENT, CHILDID_SELF, &live, 1);
    services->Release();
}

}  // namespace

UiaFunctions UiaFunctions::FromSystem()
{
#ifdef ABAQUINO_ANNOUNCE_BY_LIVE_REGION
    return {};
#else
    constexpr const wchar_t* dll = L"uiautomationcore.dll";
    UiaFunctions uia;
    uia.ReturnRawElementProvider = SystemFunction<decltype(uia.ReturnRawElementProvider)>(dll, "UiaReturnRawElementProvider");
    uia.HostProviderFromHwnd = SystemFunction<decltype(uia.HostProviderFromHwnd)>(dll, "UiaHostProviderFromHwnd");
    uia.ClientsAreListening = SystemFunction<decltype(uia.ClientsAreListening)>(dll, "UiaClientsAreListening");
    uia.RaiseNotificationEvent = SystemFunction<decltype(uia.RaiseNotificationEvent)>(dll, "UiaRaiseNotificationEvent");
    uia.DisconnectProvider = SystemFunction<decltype(uia.DisconnectProvider)>(dll, "UiaDisconnectProvider");
    uia.NotificationsGoUnheard = &NoReaderHearsNotifications;
#ifdef ABAQUINO_ANNOUNCE_BY_NOTIFICATION
    if (uia.ClientsAreListening) uia.ClientsAreListening = &AlwaysListening;
    uia.NotificationsGoUnheard = nullptr;
#endif
    return uia;
#endif
}

// The announcer's element for UI Automation: a text without a pattern, named with the last
// sentence said, hosted by its window.
class AnnouncerProvider final : public ComObject<IRawElementProviderSimple> {
public:
    AnnouncerProvider(HWND window, const UiaFunctions& uia) : window_(window), uia_(uia) {}

    void Said(const std::wstring& sentence) { said_ = sentence; }
    void WindowGone() { window_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override
    {
        if (!out) return E_POINTER;
        *out = id == __uuidof(IUnknown) || id == __uuidof(IRawElementProviderSimple) ? this : nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override
    {
        if (!options) return E_POINTER;
        *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** pattern) override
    {
        if (!pattern) return E_POINTER;
        *pattern = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override
    {
        if (!value) return E_POINTER;
        VariantInit(value);
        if (property == kControlTypeProperty) {
            value->vt = VT_I4;
            value->lVal = kTextControlType;
        } else if (property == kIsControlElementProperty || property == kIsContentElementProperty) {
            // Out of the control and content views: a reader's navigation never lands on it.
            value->vt = VT_BOOL;
            value->boolVal = VARIANT_FALSE;
        } else if (property == kNameProperty && !said_.empty()) {
            value->vt = VT_BSTR;
            value->bstrVal = SysAllocString(said_.c_str());
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override
    {
        if (!host) return E_POINTER;
        *host = nullptr;
        return window_ && uia_.HostProviderFromHwnd ? uia_.HostProviderFromHwnd(window_, host) : S_OK;
    }

private:
    ~AnnouncerProvider() override = default;

    HWND window_;
    UiaFunctions uia_;
    std::wstring said_;
};

Announcer::Announcer(HWND window, HWND liveRegion, UiaFunctions uia) : uia_(uia), liveRegion_(liveRegion)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    RegisterWindowClass(instance, kClassName, &ObjectProcedure<Announcer>, nullptr, nullptr, nullptr);
    // Out of the way and out of the Tab walk; the window exists only to carry the element.
    CreateWindowExW(0, kClassName, nullptr, WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0, 1, 1, window, nullptr,
                    instance, this);
    if (window_) provider_ = new AnnouncerProvider(window_, uia_);
}

Announcer::~Announcer()
{
    if (IsWindow(window_)) DestroyWindow(window_);
}

void Announcer::Say(const std::wstring& sentence, Supersede supersede)
{
    if (sentence.empty()) return;
    said_.push_back(sentence);
    if (provider_) provider_->Said(sentence);
    if (Notify(sentence, supersede)) {
        lastRoute_ = Route::Notification;
        return;
    }
    SayInLiveRegion(sentence);
    lastRoute_ = Route::LiveRegion;
}

void Announcer::DisplayChanged()
{
    if (liveRegionSpeaks_) SetSpokenName(liveRegion_, {});
}

// True once a listening client has the notification; anything missing or failing leaves the
// sentence to the live region.
bool Announcer::Notify(const std::wstring& sentence, Supersede supersede)
{
    if (!provider_ || !uia_.ReturnRawElementProvider || !uia_.HostProviderFromHwnd || !uia_.ClientsAreListening ||
        !uia_.RaiseNotificationEvent || !uia_.ClientsAreListening() ||
        (uia_.NotificationsGoUnheard && uia_.NotificationsGoUnheard())) {
        return false;
    }
    const BSTR text = SysAllocString(sentence.c_str());
    const BSTR activity = SysAllocString(L"Abaquino.Result");
    const int processing = supersede == Supersede::ReadersEcho ? kMostRecent : kCurrentThenMostRecent;
    const HRESULT raised = uia_.RaiseNotificationEvent(provider_, kActionCompleted, processing, text, activity);
    SysFreeString(text);
    SysFreeString(activity);
    return SUCCEEDED(raised);
}

void Announcer::SayInLiveRegion(const std::wstring& sentence)
{
    if (!liveRegionSpeaks_) MarkAsLiveRegion(liveRegion_);
    liveRegionSpeaks_ = true;
    SetSpokenName(liveRegion_, sentence);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, liveRegion_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT Announcer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETOBJECT:
        // Only this window answers for UI Automation; the controls keep their designed objects.
        if (static_cast<LONG>(lParam) == kUiaRootObjectId && provider_ && uia_.ReturnRawElementProvider) {
            return uia_.ReturnRawElementProvider(window_, wParam, lParam, provider_);
        }
        break;
    case WM_DESTROY: OnDestroy(); return 0;
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// Clients may hold the provider longer: it answers that its window is gone. The display keeps no
// live-region property past the window (Microsoft's own sample clears its properties too).
void Announcer::OnDestroy()
{
    if (liveRegionSpeaks_) ClearLiveRegion(liveRegion_);
    liveRegionSpeaks_ = false;
    if (!provider_) return;
    if (uia_.ReturnRawElementProvider) uia_.ReturnRawElementProvider(window_, 0, 0, nullptr);
    if (uia_.DisconnectProvider) uia_.DisconnectProvider(provider_);
    provider_->WindowGone();
    provider_->Release();
    provider_ = nullptr;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

}  // namespace abaquino::win32
