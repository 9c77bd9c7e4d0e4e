#include "viewer/win32/browser_host.h"

#include <exdispid.h>
#include <mshtml.h>
#include <ocidl.h>

#include "ime/platform/utf.h"

namespace kellavor::viewer {
namespace {

// The URL argument of BeforeNavigate2 arrives as a reference to a VARIANT holding a BSTR.
std::string UrlOf(const VARIANT& argument) {
  const VARIANT* value = &argument;
  if (value->vt == (VT_BYREF | VT_VARIANT) && value->pvarVal != nullptr) value = value->pvarVal;
  if (value->vt != VT_BSTR || value->bstrVal == nullptr) return {};
  const std::u16string_view url(reinterpret_cast<const char16_t*>(value->bstrVal), SysStringLen(value->bstrVal));
  return platform::Utf16ToUtf8(url);
}

template <typename T>
void ReleaseAndClear(T*& pointer) {
  if (pointer != nullptr) pointer->Release();
  pointer = nullptr;
}

}  // namespace

BrowserHost::~BrowserHost() { Destroy(); }

bool BrowserHost::Create(HWND parent, BrowserEvents& events) {
  parent_ = parent;
  events_ = &events;
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              reinterpret_cast<void**>(&object_)))) {
    object_ = nullptr;
    return false;
  }
  object_->SetClientSite(this);
  OleSetContainedObject(object_, TRUE);
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, parent_, &bounds_)) ||
      FAILED(object_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser_)))) {
    browser_ = nullptr;
    Destroy();
    return false;
  }
  // Script errors of a page must not open dialogs in the user's way.
  browser_->put_Silent(VARIANT_TRUE);
  IConnectionPointContainer* container = nullptr;
  if (SUCCEEDED(browser_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
    if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &eventSource_)) &&
        FAILED(eventSource_->Advise(static_cast<IDispatch*>(this), &eventCookie_))) {
      ReleaseAndClear(eventSource_);
    }
    container->Release();
  }
  return true;
}

void BrowserHost::Destroy() {
  if (eventSource_ != nullptr) eventSource_->Unadvise(eventCookie_);
  ReleaseAndClear(eventSource_);
  ReleaseAndClear(browser_);
  ReleaseAndClear(uiHandler_);
  if (object_ != nullptr) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
    OleSetContainedObject(object_, FALSE);
  }
  ReleaseAndClear(object_);
}

void BrowserHost::SetBounds(const RECT& bounds) {
  bounds_ = bounds;
  if (object_ == nullptr) return;
  IOleInPlaceObject* inPlace = nullptr;
  if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
    inPlace->SetObjectRects(&bounds_, &bounds_);
    inPlace->Release();
  }
}

void BrowserHost::Navigate(const std::string& url) {
  if (browser_ == nullptr) return;
  const std::u16string wide = platform::Utf8ToUtf16(url);
  BSTR address = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()), static_cast<UINT>(wide.size()));
  VARIANT empty;
  VariantInit(&empty);
  browser_->Navigate(address, &empty, &empty, &empty, &empty);
  SysFreeString(address);
}

bool BrowserHost::Busy() const {
  if (browser_ == nullptr) return false;
  VARIANT_BOOL busy = VARIANT_FALSE;
  return SUCCEEDED(browser_->get_Busy(&busy)) && busy != VARIANT_FALSE;
}

std::string BrowserHost::DocumentSource() const {
  if (browser_ == nullptr) return {};
  IDispatch* document = nullptr;
  if (FAILED(browser_->get_Document(&document)) || document == nullptr) return {};
  std::string source;
  IHTMLDocument2* html = nullptr;
  IPersistStreamInit* persist = nullptr;
  IStream* stream = nullptr;
  if (SUCCEEDED(document->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&html))) &&
      SUCCEEDED(html->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist))) &&
      SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) && SUCCEEDED(persist->Save(stream, FALSE))) {
    const LARGE_INTEGER start{};
    STATSTG status{};
    if (SUCCEEDED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) && SUCCEEDED(stream->Stat(&status, STATFLAG_NONAME)) &&
        status.cbSize.QuadPart < (ULONGLONG{1} << 26)) {
      source.resize(static_cast<size_t>(status.cbSize.QuadPart));
      ULONG read = 0;
      if (FAILED(stream->Read(source.data(), static_cast<ULONG>(source.size()), &read))) read = 0;
      source.resize(read);
    }
  }
  ReleaseAndClear(stream);
  ReleaseAndClear(persist);
  ReleaseAndClear(html);
  document->Release();
  // A document may save itself as UTF-16 with its byte-order mark; the marker test reads bytes.
  if (source.size() >= 2 && static_cast<unsigned char>(source[0]) == 0xFF && static_cast<unsigned char>(source[1]) == 0xFE) {
    std::u16string wide((source.size() - 2) / 2, u'\0');
    memcpy(wide.data(), source.data() + 2, wide.size() * 2);
    source = platform::Utf16ToUtf8(wide);
  }
  return source;
}

bool BrowserHost::SetUiHandler(IDocHostUIHandler* handler) {
  if (browser_ == nullptr) return false;
  IDispatch* document = nullptr;
  if (FAILED(browser_->get_Document(&document)) || document == nullptr) return false;
  ICustomDoc* custom = nullptr;
  const bool has = SUCCEEDED(document->QueryInterface(__uuidof(ICustomDoc), reinterpret_cast<void**>(&custom)));
  if (has) {
    custom->SetUIHandler(handler);
    custom->Release();
    handler->AddRef();
    uiHandler_ = handler;
  }
  document->Release();
  return has;
}

STDMETHODIMP BrowserHost::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
    *object = static_cast<IOleClientSite*>(this);
  } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
    *object = static_cast<IOleInPlaceSite*>(this);
  } else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
    *object = static_cast<IOleInPlaceFrame*>(this);
  } else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
    *object = static_cast<IDispatch*>(this);
  } else if (IsEqualIID(iid, IID_IDocHostUIHandler) && uiHandler_ != nullptr) {
    uiHandler_->AddRef();
    *object = uiHandler_;
  } else {
    return E_NOINTERFACE;
  }
  return S_OK;
}

STDMETHODIMP BrowserHost::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker != nullptr) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP BrowserHost::GetContainer(IOleContainer** container) {
  if (container != nullptr) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP BrowserHost::GetWindow(HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = parent_;
  return S_OK;
}

STDMETHODIMP BrowserHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                           LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (frame != nullptr) *frame = static_cast<IOleInPlaceFrame*>(this);
  if (document != nullptr) *document = nullptr;
  if (position != nullptr) *position = bounds_;
  if (clip != nullptr) *clip = bounds_;
  if (info != nullptr) {
    info->fMDIApp = FALSE;
    info->hwndFrame = parent_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
  }
  return S_OK;
}

STDMETHODIMP BrowserHost::OnPosRectChange(LPCRECT position) {
  if (position != nullptr) SetBounds(*position);
  return S_OK;
}

STDMETHODIMP BrowserHost::GetTypeInfoCount(UINT* count) {
  if (count != nullptr) *count = 0;
  return S_OK;
}

STDMETHODIMP BrowserHost::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*, UINT*) {
  if (events_ == nullptr || parameters == nullptr) return S_OK;
  if (id == DISPID_BEFORENAVIGATE2 && parameters->cArgs == 7) {
    // The arguments arrive last first: URL is the second, Cancel the seventh.
    VARIANT& cancel = parameters->rgvarg[0];
    const bool cancelled = events_->BeforeNavigate(UrlOf(parameters->rgvarg[5]));
    if (cancel.vt == (VT_BYREF | VT_BOOL) && cancel.pboolVal != nullptr) {
      *cancel.pboolVal = cancelled ? VARIANT_TRUE : VARIANT_FALSE;
    }
  } else if (id == DISPID_NAVIGATECOMPLETE2) {
    events_->NavigateComplete();
  } else if (id == DISPID_NAVIGATEERROR) {
    events_->NavigateError();
  }
  return S_OK;
}

}  // namespace kellavor::viewer
