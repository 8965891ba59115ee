// Hosts the WebBrowser object: the client site, in-place site and frame interfaces that
// in-place activation asks for, and nothing more (no document-host customisation).
#include "BrowserHost.h"

#include <memory>
#include <string>

#include "MessageLoop.h"
#include "Scoped.h"
#include "text/Wide.h"

namespace {
constexpr char kHostClass[] = "FeijianBrowserHost";
} // namespace

// One object answers for the client site, the in-place site and the frame. It lives as
// long as its host, which closes the browser before it goes, so it counts references
// without deleting itself.
class BrowserHost::Site final : public IOleClientSite,
                                public IOleInPlaceSite,
                                public IOleInPlaceFrame {
public:
    explicit Site(BrowserHost& host) : host_(host) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
            *object = static_cast<IOleClientSite*>(this);
        } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
            *object = static_cast<IOleInPlaceSite*>(this);
        } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
            *object = static_cast<IOleInPlaceFrame*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, shared by the in-place site and the frame
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = host_.Handle();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                               IOleInPlaceUIWindow** document, LPRECT position,
                                               LPRECT clip,
                                               LPOLEINPLACEFRAMEINFO frameInfo) override {
        *frame = this;
        AddRef();
        *document = nullptr;
        GetClientRect(host_.Handle(), position);
        GetClientRect(host_.Handle(), clip);
        frameInfo->fMDIApp = FALSE;
        frameInfo->hwndFrame = GetAncestor(host_.Handle(), GA_ROOT);
        frameInfo->haccel = nullptr;
        frameInfo->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no tool bars, menus or status line.
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
        return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    BrowserHost& host_;
    ULONG references_ = 0;
};

BrowserHost::BrowserHost() : site_(std::make_unique<Site>(*this)) {}

BrowserHost::~BrowserHost() {
    Release();
}

HWND BrowserHost::Create(HWND parent, int id, const RECT& bounds, DWORD style) {
    RegisterWindowClass(kHostClass);
    const HWND hwnd =
        CreateWindowHandle(0, kHostClass, "", style | WS_CLIPCHILDREN, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    if (hwnd) {
        Embed();
    }
    return hwnd;
}

void BrowserHost::Embed() {
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                object_.Put()))) {
        return;
    }
    object_->SetClientSite(site_.get());
    OleSetContainedObject(object_.Get(), TRUE);
    RECT area;
    GetClientRect(Handle(), &area);
    if (FAILED(
            object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, Handle(), &area))) {
        Release();
        return;
    }
    browser_ = object_.Query<IWebBrowser2>(IID_IWebBrowser2);
    // A focused browser sees keys first; what it uses goes no further.
    auto active = std::make_shared<ComPtr<IOleInPlaceActiveObject>>(
        object_.Query<IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject));
    if (*active) {
        AddKeyTranslator(Handle(), [active](MSG& message) {
            return (*active)->TranslateAccelerator(&message) == S_OK;
        });
    }
}

void BrowserHost::Navigate(const Text& address) {
    if (!browser_) {
        return;
    }
    const std::wstring wide = Widen(address);
    const Scoped<BSTR, SysFreeString> url(
        SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate(url.Get(), &empty, &empty, &empty, &empty);
}

void BrowserHost::Release() {
    if (Handle()) {
        RemoveKeyTranslator(Handle());
    }
    browser_.Reset();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
        object_.Reset();
    }
}

LRESULT BrowserHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        Release();
    }
    return Window::HandleMessage(message, wParam, lParam);
}
