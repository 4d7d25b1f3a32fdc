// A modal dialog run in a thread of the test program, so that the test's thread can
// drive it by messages as a user would and read what it did.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <thread>
#include <utility>

#include "Harness.h"

inline constexpr DWORD kDialogTimeoutMs = 10000;

inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDialogTimeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() > deadline) return false;
    Sleep(20);
  }
  return true;
}

// As a mouse click does, this gives the button the focus before it acts.
inline void Click(HWND window, int button) { PostMessageW(GetDlgItem(window, button), BM_CLICK, 0, 0); }

// A visible window that owner owns, such as a message box or a picker; null if none.
inline HWND OwnedPopup(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetWindowThreadProcessId(owner, nullptr),
      [](HWND window, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        if (GetWindow(window, GW_OWNER) == s->owner && IsWindowVisible(window)) s->found = window;
        return s->found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <class D>
class DialogThread {
 public:
  DialogThread() = default;
  DialogThread(const DialogThread&) = delete;
  DialogThread& operator=(const DialogThread&) = delete;
  ~DialogThread() { Close(); }

  // Constructs the dialog from args, runs it and waits for its window of that title.
  template <class... Args>
  bool Open(const wchar_t* title, Args&&... args) {
    Make(std::forward<Args>(args)...);
    return Run(title);
  }

  // Constructs the dialog without running it, so that the test can set it up first.
  template <class... Args>
  D& Make(Args&&... args) {
    return dialog_.emplace(std::forward<Args>(args)...);
  }

  // Runs the dialog made before and waits for its window of that title.
  bool Run(const wchar_t* title) {
    worker_ = std::thread([this] { result_ = dialog_->DoModal(nullptr); });
    window_ = WaitForWindow(L"#32770", title, GetCurrentProcessId(), kDialogTimeoutMs);
    return window_ != nullptr;
  }

  D& Dialog() { return *dialog_; }
  HWND Window() const { return window_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  INT_PTR Result() const { return result_; }

  HWND WaitForPopup() const {
    HWND popup = nullptr;
    WaitUntil([&] { return (popup = OwnedPopup(window_)) != nullptr; });
    return popup;
  }

  // Clicks a button of the popup; true once the popup is gone and the dialog has dealt
  // with it.
  bool Answer(HWND popup, int button) const {
    Click(popup, button);
    if (!WaitUntil([&] { return !IsWindow(popup); })) return false;
    // Comes back once the dialog's thread is in its message loop again, or closed.
    SendMessageW(window_, WM_NULL, 0, 0);
    return true;
  }

  // Waits for the dialog to close by itself.
  bool Closed() {
    if (!WaitUntil([&] { return !IsWindow(window_); })) return false;
    worker_.join();
    return true;
  }

  // Cancels popups (a question is answered No) and the dialog, so that no thread or
  // window outlives a failed test.
  void Close() {
    if (!worker_.joinable()) return;
    while (IsWindow(window_)) {
      if (HWND popup = OwnedPopup(window_)) {
        PostMessageW(popup, WM_COMMAND, GetDlgItem(popup, IDNO) ? IDNO : IDCANCEL, 0);
      }
      PostMessageW(window_, WM_COMMAND, IDCANCEL, 0);
      Sleep(100);
    }
    worker_.join();
  }

 private:
  std::optional<D> dialog_;
  std::thread worker_;
  INT_PTR result_ = 0;
  HWND window_ = nullptr;
};
