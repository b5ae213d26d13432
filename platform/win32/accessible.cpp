#include "platform/win32/accessible.h"

#include <oleacc.h>

#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/win32/com_calls.h"
#include "platform/win32/text.h"
#include "platform/win32/window.h"
#include "platform/win32/window_class.h"

namespace dv::win32 {
namespace {

LONG Role(AccessibleRole r) {
    switch (r) {
        case AccessibleRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case AccessibleRole::Slider:
            return ROLE_SYSTEM_SLIDER;
        case AccessibleRole::Link:
            return ROLE_SYSTEM_LINK;
        default:
            return ROLE_SYSTEM_STATICTEXT;
    }
}

class Client final : public IAccessible {
   public:
    explicit Client(HWND hwnd) : hwnd_(hwnd) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!Same(iid, kIidUnknown) && !Same(iid, kIidDispatch) && !Same(iid, kIidAccessible))
            return E_NOINTERFACE;
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: readers use the interface's own methods.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (!n) return E_POINTER;
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible. A child id names the window itself (CHILDID_SELF) or a
    // part (1 to the number of parts); any other is refused, and so is a
    // missing place for the answer.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!Owner()) return CO_E_OBJNOTCONNECTED;
        return Com().objectFromWindow(hwnd_, static_cast<DWORD>(OBJID_WINDOW), kIidDispatch,
                                      reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        Form* form = Owner();
        if (!form) return CO_E_OBJNOTCONNECTED;
        *count = static_cast<LONG>(form->AccessibleParts().size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        Parts parts;
        const AccessiblePart* p = nullptr;
        if (const HRESULT hr = Resolve(child, parts, p); hr != S_OK) return hr;
        return p ? S_FALSE : E_INVALIDARG;  // the parts are simple elements of this object
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Answer(child, name, [](const AccessiblePart* p, BSTR* out) {
            return Text(p ? p->name : std::string("Duskveil"), out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Answer(child, value, [](const AccessiblePart* p, BSTR* out) {
            return p && !p->value.empty() ? Text(p->value, out) : None(out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* d) override {
        return Answer(child, d, [](const AccessiblePart*, BSTR* out) { return None(out); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return Answer(child, role, [](const AccessiblePart* p, VARIANT* out) {
            return Int(p ? Role(p->role) : ROLE_SYSTEM_CLIENT, out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Answer(child, state, [this](const AccessiblePart* p, VARIANT* out) {
            if (!p) return Int(STATE_SYSTEM_FOCUSABLE, out);
            LONG s = p->focusable ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_READONLY;
            if (p->focused && HasKeyboard()) s |= STATE_SYSTEM_FOCUSED;
            return Int(s, out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Answer(child, help, [](const AccessiblePart*, BSTR* out) { return None(out); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        if (!topic) return E_POINTER;
        *topic = 0;
        return Answer(child, file, [](const AccessiblePart*, BSTR* out) { return None(out); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return Answer(child, keys, [](const AccessiblePart*, BSTR* out) { return None(out); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        focus->vt = VT_EMPTY;
        Form* form = Owner();
        if (!form) return CO_E_OBJNOTCONNECTED;
        if (!HasKeyboard()) return S_FALSE;
        const std::vector<AccessiblePart> parts = form->AccessibleParts();
        for (std::size_t i = 0; i < parts.size(); ++i)
            if (parts[i].focused) return Int(static_cast<LONG>(i + 1), focus);
        return Int(CHILDID_SELF, focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        selection->vt = VT_EMPTY;
        return Owner() ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Answer(child, action, [](const AccessiblePart* p, BSTR* out) {
            return p && !p->action.empty() ? Text(p->action, out) : None(out);
        });
    }
    // Only a part that takes the keyboard takes a reader's focus, and only
    // as a focus: nothing here is selected. The window's own focus is its
    // focused part's.
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        Parts parts;
        const AccessiblePart* p = nullptr;
        if (const HRESULT hr = Resolve(child, parts, p); hr != S_OK) return hr;
        constexpr LONG kAll = SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION | SELFLAG_EXTENDSELECTION |
                              SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION;
        const bool clash =
            (flags & SELFLAG_ADDSELECTION && flags & SELFLAG_REMOVESELECTION) ||
            (flags & SELFLAG_TAKESELECTION &&
             flags & (SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION | SELFLAG_EXTENDSELECTION));
        if ((flags & ~kAll) != 0 || clash) return E_INVALIDARG;
        if (!p)
            for (const AccessiblePart& part : parts)
                if (part.focused) p = &part;
        if (!(flags & SELFLAG_TAKEFOCUS) || !p || !p->focusable) return DISP_E_MEMBERNOTFOUND;
        PostMessageW(hwnd_, kFocusPart, static_cast<WPARAM>(p - parts.data()), 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h,
                                          VARIANT child) override {
        if (!x || !y || !w || !h) return E_POINTER;
        Parts parts;
        const AccessiblePart* p = nullptr;
        if (const HRESULT hr = Resolve(child, parts, p); hr != S_OK) return hr;
        RECT r;
        if (p)
            r = Peer()->PxRect(p->rect);
        else
            GetClientRect(hwnd_, &r);
        MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        *x = r.left, *y = r.top, *w = r.right - r.left, *h = r.bottom - r.top;
        return S_OK;
    }
    // The parts in their order: the first and last from the window, the
    // next and previous from a part.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG dir, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        end->vt = VT_EMPTY;
        Parts parts;
        const AccessiblePart* p = nullptr;
        if (const HRESULT hr = Resolve(start, parts, p); hr != S_OK) return hr;
        const auto n = static_cast<LONG>(parts.size());
        LONG to = 0;
        switch (dir) {
            case NAVDIR_FIRSTCHILD:
            case NAVDIR_LASTCHILD:
                if (p) return E_INVALIDARG;
                to = dir == NAVDIR_FIRSTCHILD ? 1 : n;
                break;
            case NAVDIR_NEXT:
            case NAVDIR_PREVIOUS:
                if (!p) return S_FALSE;  // the window's siblings are the system's to tell
                to = static_cast<LONG>(p - parts.data()) + (dir == NAVDIR_NEXT ? 2 : 0);
                break;
            case NAVDIR_UP:
            case NAVDIR_DOWN:
            case NAVDIR_LEFT:
            case NAVDIR_RIGHT:
                return S_FALSE;
            default:
                return E_INVALIDARG;
        }
        return to >= 1 && to <= n ? Int(to, end) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        if (!child) return E_POINTER;
        child->vt = VT_EMPTY;
        Form* form = Owner();
        if (!form) return CO_E_OBJNOTCONNECTED;
        POINT p{x, y};
        ScreenToClient(hwnd_, &p);
        RECT client;
        GetClientRect(hwnd_, &client);
        if (!PtInRect(&client, p)) return S_FALSE;
        const std::vector<AccessiblePart> parts = form->AccessibleParts();
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const RECT r = Peer()->PxRect(parts[i].rect);
            if (PtInRect(&r, p)) return Int(static_cast<LONG>(i + 1), child);
        }
        return Int(CHILDID_SELF, child);
    }
    // Only a part with something to press is pressed: the slider, the
    // texts and the window have nothing.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        Parts parts;
        const AccessiblePart* p = nullptr;
        if (const HRESULT hr = Resolve(child, parts, p); hr != S_OK) return hr;
        if (!p || p->action.empty()) return DISP_E_MEMBERNOTFOUND;
        // Pressed from the window's own loop, not inside the reader's call.
        PostMessageW(hwnd_, kPressPart, static_cast<WPARAM>(p - parts.data()), 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

   private:
    // The peer and form of the window, while it lives and is still one of
    // this program's: a handle the system has since given to another
    // window is never read as one.
    Win32Peer* Peer() const {
        DWORD process = 0;
        wchar_t cls[32];
        if (!GetWindowThreadProcessId(hwnd_, &process) || process != GetCurrentProcessId() ||
            !GetClassNameW(hwnd_, cls, 32) || lstrcmpW(cls, kFormClassName) != 0)
            return nullptr;
        return reinterpret_cast<Win32Peer*>(GetWindowLongPtrW(hwnd_, GWLP_USERDATA));
    }
    Form* Owner() const {
        Win32Peer* peer = Peer();
        return peer ? &peer->OwnerForm() : nullptr;
    }
    bool HasKeyboard() const {
        const HWND focus = GetFocus();
        return focus == hwnd_ || (focus && GetParent(focus) == hwnd_);
    }
    // The part a child id names: nullptr for the window itself; S_OK, or
    // why not.
    using Parts = std::vector<AccessiblePart>;
    HRESULT Resolve(const VARIANT& child, Parts& parts, const AccessiblePart*& part) const {
        Form* form = Owner();
        if (!form) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        part = nullptr;
        parts = form->AccessibleParts();
        if (child.lVal == CHILDID_SELF) return S_OK;
        if (child.lVal < 0 || child.lVal > static_cast<LONG>(parts.size())) return E_INVALIDARG;
        part = &parts[static_cast<std::size_t>(child.lVal - 1)];
        return S_OK;
    }
    // A property of the window or a part, answered by `answer`.
    template <typename Out, typename Fn>
    HRESULT Answer(const VARIANT& child, Out* out, Fn answer) const {
        if (!out) return E_POINTER;
        Parts parts;
        const AccessiblePart* p = nullptr;
        if (const HRESULT hr = Resolve(child, parts, p); hr != S_OK) return hr;
        return answer(p, out);
    }
    static HRESULT Text(const std::string& utf8, BSTR* out) {
        *out = Com().sysAllocString(Wide(utf8).c_str());
        return *out ? S_OK : E_OUTOFMEMORY;
    }
    static HRESULT None(BSTR* out) {
        if (out) *out = nullptr;
        return S_FALSE;
    }
    static HRESULT Int(LONG value, VARIANT* out) {
        out->vt = VT_I4;
        out->lVal = value;
        return S_OK;
    }

    HWND hwnd_;
    ULONG refs_ = 1;
};

}  // namespace

LRESULT AccessibleClient(HWND hwnd, WPARAM wp) {
    if (!Com().ok) return 0;
    Client* client = new Client(hwnd);
    const LRESULT result = Com().lresultFromObject(kIidAccessible, wp, client);
    client->Release();
    return result > 0 ? result : 0;
}

void NotifyAccessible(HWND hwnd, bool focus, int index) {
    NotifyWinEvent(focus ? EVENT_OBJECT_FOCUS : EVENT_OBJECT_VALUECHANGE, hwnd, OBJID_CLIENT,
                   index + 1);
}

}  // namespace dv::win32
