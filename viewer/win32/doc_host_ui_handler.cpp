#include "viewer/win32/doc_host_ui_handler.h"

namespace kellavor::viewer {

STDMETHODIMP TDocHostUIHandlerImpl::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDocHostUIHandler)) {
    *object = static_cast<IDocHostUIHandler*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) TDocHostUIHandlerImpl::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) TDocHostUIHandlerImpl::Release() {
  const LONG count = InterlockedDecrement(&references_);
  if (count <= 0) {
    delete this;
    return 0;
  }
  return static_cast<ULONG>(count);
}

STDMETHODIMP TDocHostUIHandlerImpl::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_OK; }

STDMETHODIMP TDocHostUIHandlerImpl::GetHostInfo(DOCHOSTUIINFO* info) {
  if (info == nullptr) return E_POINTER;
  info->dwFlags |= DOCHOSTUIFLAG_DISABLE_HELP_MENU | DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_ENABLE_INPLACE_NAVIGATION;
  return S_OK;
}

STDMETHODIMP TDocHostUIHandlerImpl::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                           IOleInPlaceUIWindow*) {
  return E_NOTIMPL;
}
STDMETHODIMP TDocHostUIHandlerImpl::HideUI() { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::UpdateUI() { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::EnableModeless(BOOL) { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::OnDocWindowActivate(BOOL) { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::OnFrameWindowActivate(BOOL) { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::GetOptionKeyPath(LPOLESTR*, DWORD) { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::GetDropTarget(IDropTarget*, IDropTarget**) { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::GetExternal(IDispatch**) { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::TranslateUrl(DWORD, LPWSTR, LPWSTR*) { return E_NOTIMPL; }
STDMETHODIMP TDocHostUIHandlerImpl::FilterDataObject(IDataObject*, IDataObject**) { return E_NOTIMPL; }

}  // namespace kellavor::viewer
