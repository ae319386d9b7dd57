#include "win32/accessible_names.h"

#include "win32/com_object.h"
#include "win32/system_dlls.h"
#include "win32/wide_text.h"

#include <string>

#include <commctrl.h>
#include <oleacc.h>

namespace abaquino::win32 {

namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// Gives a copy for the caller to free, or S_FALSE when there is nothing to say.
HRESULT Answer(const std::wstring& text, BSTR* out)
{
    if (!out) return E_POINTER;
    *out = text.empty() ? nullptr : SysAllocString(text.c_str());
    if (text.empty()) return S_FALSE;
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The system's object for a control, answering for it except for its name, description, help
// and (for a dialog) role, through every interface the system's object has: IAccessible and
// IDispatch alike, its children's enumeration, and the service provider that leads to
// IAccessibleEx, where IAccessible itself is this object again.
class DesignedObject final : public ComObject<IAccessible, IOleWindow, IEnumVARIANT, IServiceProvider> {
public:
    DesignedObject(IAccessible* standard, HWND control, std::wstring name, std::wstring description, long role)
        : standard_(standard), control_(control), name_(std::move(name)), description_(std::move(description)), role_(role)
    {
        standard_->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&children_));
        standard_->QueryInterface(__uuidof(IServiceProvider), reinterpret_cast<void**>(&services_));
    }
    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
        } else if (id == __uuidof(IOleWindow)) {
            *out = static_cast<IOleWindow*>(this);
        } else if (id == __uuidof(IEnumVARIANT) && children_) {
            *out = static_cast<IEnumVARIANT*>(this);
        } else if (id == __uuidof(IServiceProvider) && services_) {
            *out = static_cast<IServiceProvider*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }

    // IEnumVARIANT: the system's enumeration of the children.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override
    {
        return children_->Next(count, children, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return children_->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return children_->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return children_->Clone(copy); }

    // IServiceProvider: IAccessible is this object; any other service is the system's.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID id, void** out) override
    {
        if (service == __uuidof(IAccessible)) return QueryInterface(id, out);
        return services_->QueryService(service, id, out);
    }

    // IOleWindow: how a client finds the control from its object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override
    {
        if (!window) return E_POINTER;
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // What the design says.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return IsSelf(child) && !name_.empty() ? Answer(name_, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return IsSelf(child) && !description_.empty() ? Answer(description_, text)
                                                      : standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return IsSelf(child) && !description_.empty() ? Answer(description_, help) : standard_->get_accHelp(child, help);
    }

    // Everything else as the system answers it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    // A client through IDispatch asks for the same name, description, help and role.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrong) override
    {
        const bool designedProperty = member == DISPID_ACC_NAME || member == DISPID_ACC_DESCRIPTION ||
                                      member == DISPID_ACC_HELP || member == DISPID_ACC_ROLE;
        if (!designedProperty || !(flags & DISPATCH_PROPERTYGET) || !parameters || !result) {
            return standard_->Invoke(member, id, locale, flags, parameters, result, exception, wrong);
        }
        VARIANT child{};
        child.vt = VT_I4;  // CHILDID_SELF where the optional argument is left out
        if (parameters->cArgs > 0 && parameters->rgvarg[0].vt == VT_I4) child = parameters->rgvarg[0];
        VariantInit(result);
        if (member == DISPID_ACC_ROLE) return get_accRole(child, result);
        const auto text = member == DISPID_ACC_NAME          ? &DesignedObject::get_accName
                          : member == DISPID_ACC_DESCRIPTION ? &DesignedObject::get_accDescription
                                                             : &DesignedObject::get_accHelp;
        const HRESULT answered = (this->*text)(child, &result->bstrVal);
        if (answered == S_OK) result->vt = VT_BSTR;
        return answered;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (!IsSelf(child) || !role_) return standard_->get_accRole(child, role);
        if (!role) return E_POINTER;
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override { return standard_->accSelect(how, child); }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard_->put_accValue(child, value);
    }

    void Rename(std::wstring name) { name_ = std::move(name); }
    void Describe(std::wstring description) { description_ = std::move(description); }

private:
    ~DesignedObject() override
    {
        if (children_) children_->Release();
        if (services_) services_->Release();
        standard_->Release();
    }

    IAccessible* standard_;
    IEnumVARIANT* children_ = nullptr;
    IServiceProvider* services_ = nullptr;
    HWND control_;
    std::wstring name_;
    std::wstring description_;
    long role_;  // 0: the system's
};

// Where a control keeps its Designed, for SetSpokenName.
constexpr wchar_t kDesignedProperty[] = L"AbaquinoDesigned";

// What one control says, and its object once a client has asked for it.
struct Designed {
    std::wstring designedName, designedDescription;  // empty: the system's
    long role = 0;                                   // 0: the system's
    DesignedObject* object = nullptr;
    std::wstring spoken = {};     // in place of the designed name while not empty
    std::wstring described = {};  // in place of the designed description while not empty
    std::wstring Name() const { return spoken.empty() ? designedName : spoken; }
    std::wstring Description() const { return described.empty() ? designedDescription : described; }
};

LRESULT CALLBACK Answering(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto& designed = *reinterpret_cast<Designed*>(data);
    const Oleacc& oleacc = OleaccFunctions();
    switch (message) {
    case WM_GETOBJECT: {
        if (static_cast<LONG>(lParam) != OBJID_CLIENT) break;
        // A control that answers with an object of its own keeps it.
        if (const LRESULT own = DefSubclassProc(control, message, wParam, lParam)) return own;
        if (!oleacc.CreateStdAccessibleObject || !oleacc.LresultFromObject) return 0;
        if (!designed.object) {
            IAccessible* standard = nullptr;
            if (FAILED(oleacc.CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                        reinterpret_cast<void**>(&standard)))) {
                return 0;
            }
            designed.object = new DesignedObject(standard, control, designed.Name(), designed.Description(), designed.role);
        }
        return oleacc.LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(designed.object));
    }
    case WM_NCDESTROY:
        // A client may hold the object longer; it answers from the system's object, which knows
        // that the control is gone.
        RemoveWindowSubclass(control, &Answering, 0);
        RemovePropW(control, kDesignedProperty);
        if (designed.object) designed.object->Release();
        delete &designed;
        break;
    default: break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void AnswerFor(HWND control, Designed* designed)
{
    SetPropW(control, kDesignedProperty, designed);
    SetWindowSubclass(control, &Answering, 0, reinterpret_cast<DWORD_PTR>(designed));
}

}  // namespace

void GiveDesignedNames(std::span<const designs::ControlDesign> table, std::span<const HWND> controls)
{
    for (std::size_t place = 0; place < table.size() && place < controls.size(); ++place) {
        const designs::ControlDesign& design = table[place];
        if (design.accessibleName.empty() && design.accessibleDescription.empty()) continue;
        const std::wstring name = design.accessibleName.empty() ? std::wstring() : Wide(designs::SpokenName(design));
        AnswerFor(controls[place], new Designed{name, Wide(design.accessibleDescription)});
    }
}

void DescribeDialog(HWND window, const std::wstring& description)
{
    AnswerFor(window, new Designed{{}, description, ROLE_SYSTEM_DIALOG});
}

void SetSpokenName(HWND control, const std::wstring& name)
{
    auto* found = static_cast<Designed*>(GetPropW(control, kDesignedProperty));
    if (!found) return;
    Designed& designed = *found;
    designed.spoken = name;
    if (designed.object) designed.object->Rename(designed.Name());
}

void SetDescription(HWND control, const std::wstring& description)
{
    auto* found = static_cast<Designed*>(GetPropW(control, kDesignedProperty));
    if (!found || found->described == description) return;
    found->described = description;
    if (found->object) found->object->Describe(found->Description());
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace abaquino::win32
