// The platform's web-browser control embedded in a window through OLE in-place activation: the
// client site, in-place site and frame the control asks its container for, and the sink of its
// before-navigate and navigate-complete events.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include <oleidl.h>

#include <string>

namespace kellavor::viewer {

class BrowserEvents {
 public:
  virtual ~BrowserEvents() = default;
  // Every navigation, also those the page starts; true cancels it.
  virtual bool BeforeNavigate(const std::string& url) = 0;
  // Every completed navigation, also of frames.
  virtual void NavigateComplete() = 0;
  // A navigation that could not reach its page (the site does not answer, an HTTP error).
  virtual void NavigateError() = 0;
};

// Owned by its window for the window's lifetime: its reference count never deletes it.
class BrowserHost final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
 public:
  BrowserHost() = default;
  BrowserHost(const BrowserHost&) = delete;
  BrowserHost& operator=(const BrowserHost&) = delete;
  ~BrowserHost();

  // Creates the control inside parent and activates it in place; false when the platform has no
  // web-browser control (the form then shows its title bar over an empty surface).
  bool Create(HWND parent, BrowserEvents& events);
  // Deactivates and releases the control.
  void Destroy();
  bool Exists() const { return browser_ != nullptr; }

  void SetBounds(const RECT& bounds);
  // Navigates with no flags, headers, post data or target frame.
  void Navigate(const std::string& url);
  bool Busy() const;
  // The current document's source as bytes (UTF-16 text saved by the document converted to
  // UTF-8); empty when any step fails.
  std::string DocumentSource() const;
  // Hands the handler to the current document (ICustomDoc); false when it has none. The site then
  // also answers for it, so that every later document of the browser finds it too.
  bool SetUiHandler(IDocHostUIHandler* handler);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return 1; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
  // IOleWindow (of the in-place site and of the frame)
  STDMETHODIMP GetWindow(HWND* window) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT position) override;
  // IOleInPlaceUIWindow and IOleInPlaceFrame: the form has no menus, tool bars or status line.
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }
  // IDispatch: the browser's events
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*, UINT*) override;

 private:
  HWND parent_ = nullptr;
  BrowserEvents* events_ = nullptr;
  RECT bounds_{};
  IOleObject* object_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
  IConnectionPoint* eventSource_ = nullptr;
  IDocHostUIHandler* uiHandler_ = nullptr;
  DWORD eventCookie_ = 0;
};

}  // namespace kellavor::viewer
