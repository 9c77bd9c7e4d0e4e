// An application window typed into through the input-method manager, the way the window system
// hands it a key: ImmProcessKey decides whether the module claims the key, and a claimed key goes
// to the module's ImeToAsciiEx, whose messages reach the window. Every IME message the window
// receives is recorded, with the result string of each commit.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kellavor::wine {

struct ReceivedMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::wstring result;  // the result string, for a composition message that carries one

  friend bool operator==(const ReceivedMessage&, const ReceivedMessage&) = default;
};

// For the test reports: the message number, wParam and lParam in hex, the result's length.
void PrintTo(const ReceivedMessage& message, std::ostream* out);

// How the application window treats the composition messages once it has recorded them.
enum class Application {
  // Answers them itself (0), as the typing scenarios need no more.
  kRecorder,
  // Hands them to DefWindowProc, as plain Windows applications do.
  kPlain,
  // Draws the composition itself: clears ISC_SHOWUICOMPOSITIONWINDOW when its context is
  // activated and keeps the composition messages to itself.
  kOwnComposition,
};

class ImeSession {
 public:
  // Activates the layout for the thread and opens a focused application window.
  explicit ImeSession(HKL layout, Application application = Application::kRecorder);
  ~ImeSession();
  ImeSession(const ImeSession&) = delete;
  ImeSession& operator=(const ImeSession&) = delete;

  HWND window() const { return window_; }
  HIMC context() const;

  // One key event with the keyboard state it leaves; true when the module claimed it.
  bool Press(UINT virtualKey);
  bool Release(UINT virtualKey);
  void Tap(UINT virtualKey);
  // Each character typed with the key (and Shift) that gives it on the US keyboard.
  void Type(std::wstring_view text);
  // The key tapped while the modifiers are held.
  void Chord(std::initializer_list<UINT> modifiers, UINT virtualKey);

  // The messages received since the last call, and the text committed in them.
  std::vector<ReceivedMessage> TakeMessages();
  std::wstring TakeCommitted();
  // Types the letters and a key that ends the composition; what was committed.
  std::wstring Commit(std::wstring_view letters, UINT virtualKey) {
    Type(letters);
    Tap(virtualKey);
    return TakeCommitted();
  }

 private:
  void AttachUiWindow();
  bool KeyEvent(UINT virtualKey, bool release);
  void Translate(UINT virtualKey, LPARAM keyData, bool release);
  void PumpMessages();
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  LPARAM ContextFlags() const;

  HKL layout_;
  Application application_;
  HWND window_ = nullptr;
  BYTE keyState_[256] = {};
  std::vector<ReceivedMessage> received_;
};

}  // namespace kellavor::wine
