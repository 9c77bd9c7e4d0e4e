#include "ime/ui/win32/window_classes.h"

#include <array>

#include "ime/ui/win32/ui_window.h"

namespace kellavor::ui {

using platform::kCandidateWindowClass;
using platform::kCompositionWindowClass;
using platform::kStatusWindowClass;
using platform::kUiWindowClass;

namespace {

// The parts of the registered UI class; like the class itself, one per process.
const UiWindowParts*& RegisteredParts() {
  static const UiWindowParts* parts = nullptr;
  return parts;
}

struct ClassDescription {
  const wchar_t* name;
  WNDPROC procedure;
  int windowExtraBytes;
  const wchar_t* cursor;
};

bool Register(HINSTANCE instance, const ClassDescription& description) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = kWindowClassStyle;
  windowClass.lpfnWndProc = description.procedure != nullptr ? description.procedure : &DefWindowProcW;
  windowClass.cbWndExtra = description.windowExtraBytes;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, description.cursor);
  windowClass.lpszClassName = description.name;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

int RegisterWindowClasses(HINSTANCE instance, const WindowProcedures& procedures, const UiWindowParts& parts) {
  const std::array<ClassDescription, 4> classes = {{
      {ClassName(kUiWindowClass), &UiWindowProc, kUiWindowExtraBytes, IDC_ARROW},
      {ClassName(kCompositionWindowClass), procedures.composition, 0, IDC_ARROW},
      {ClassName(kCandidateWindowClass), procedures.candidate, 0, IDC_SIZEALL},
      {ClassName(kStatusWindowClass), procedures.status, 0, IDC_ARROW},
  }};
  RegisteredParts() = &parts;
  int registered = 0;
  for (const ClassDescription& description : classes) {
    if (!Register(instance, description)) break;
    ++registered;
  }
  if (registered == 0) RegisteredParts() = nullptr;
  return registered;
}

void UnregisterWindowClasses(HINSTANCE instance) {
  for (std::u16string_view name : {kUiWindowClass, kCompositionWindowClass, kCandidateWindowClass,
                                   kStatusWindowClass}) {
    UnregisterClassW(ClassName(name), instance);
  }
  RegisteredParts() = nullptr;
}

const UiWindowParts* UiWindowPartsOf(HWND window) {
  wchar_t name[32] = {};
  if (GetClassNameW(window, name, 32) == 0 || lstrcmpW(name, ClassName(kUiWindowClass)) != 0) return nullptr;
  return RegisteredParts();
}

}  // namespace kellavor::ui
