#include "InputProbe.h"

#include <windowsx.h>

#include <algorithm>
#include <sstream>

std::string Describe(const ProbeEvent& e) {
  std::ostringstream text;
  text << "message 0x" << std::hex << e.message << std::dec << " (" << e.a << ", " << e.b << ")";
  return text.str();
}

InputProbe::InputProbe(int left, int top, int width, int height) : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  thread_ = std::thread([=, this] { Run(left, top, width, height); });
  WaitForSingleObject(ready_, 10000);
}

InputProbe::~InputProbe() {
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  CloseHandle(ready_);
}

void InputProbe::Run(int left, int top, int width, int height) {
  threadId_ = GetCurrentThreadId();
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"SuiteInputProbe";
  RegisterClassW(&wc);
  window_ = CreateWindowExW(0, wc.lpszClassName, L"Input Probe", WS_POPUP | WS_VISIBLE | WS_BORDER, left, top, width,
                            height, nullptr, nullptr, wc.hInstance, this);
  SetForegroundWindow(window_);
  SetFocus(window_);
  SetEvent(ready_);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DestroyWindow(window_);
}

LRESULT CALLBACK InputProbe::WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
  }
  auto* probe = reinterpret_cast<InputProbe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  ProbeEvent event{msg};
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
      POINT point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      ClientToScreen(window, &point);
      event.a = point.x;
      event.b = point.y;
      break;
    }
    case WM_MOUSEWHEEL:
      event.a = GET_WHEEL_DELTA_WPARAM(wp);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      event.a = static_cast<int>(wp);
      event.b = (lp >> 24) & 1;
      break;
    default:
      return DefWindowProcW(window, msg, wp, lp);
  }
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  event.atMicros = now.QuadPart * 1'000'000 / frequency.QuadPart;
  if (probe) {
    const std::lock_guard lock(probe->mutex_);
    probe->events_.push_back(event);
  }
  return msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP ? DefWindowProcW(window, msg, wp, lp) : 0;
}

std::vector<ProbeEvent> InputProbe::Events() const {
  const std::lock_guard lock(mutex_);
  return events_;
}

std::vector<ProbeEvent> InputProbe::EventsWithoutMoves() const {
  std::vector<ProbeEvent> events = Events();
  std::erase_if(events, [](const ProbeEvent& e) { return e.message == WM_MOUSEMOVE; });
  return events;
}

bool InputProbe::WaitForEvents(size_t count, DWORD timeoutMs) const {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (EventsWithoutMoves().size() < count) {
    if (GetTickCount64() > deadline) return false;
    Sleep(5);
  }
  return true;
}

void InputProbe::Clear() {
  const std::lock_guard lock(mutex_);
  events_.clear();
}
