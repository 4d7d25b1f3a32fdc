#include "RecordingHooks.h"

namespace {

// One recording at a time: the hook callbacks have no other way to reach it.
RecordingBuffer* g_buffer = nullptr;

class Lock {
 public:
  Lock() { InitializeCriticalSection(&section_); }
  ~Lock() { DeleteCriticalSection(&section_); }
  void Enter() { EnterCriticalSection(&section_); }
  void Leave() { LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
} g_bufferLock;

void Append(const MacroEvent& event) {
  g_bufferLock.Enter();
  if (g_buffer) g_buffer->Append(event, GetTickCount());
  g_bufferLock.Leave();
}

}  // namespace

RecordingHooks::~RecordingHooks() { Remove(); }

DWORD RecordingHooks::Install(RecordingBuffer& buffer) {
  CaptureInto(&buffer);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  mouse_ = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, instance, 0);
  if (mouse_) keyboard_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, instance, 0);
  if (keyboard_) return 0;
  const DWORD error = GetLastError();
  Remove();
  return error ? error : ERROR_GEN_FAILURE;
}

void RecordingHooks::Remove() {
  if (mouse_) UnhookWindowsHookEx(mouse_);
  if (keyboard_) UnhookWindowsHookEx(keyboard_);
  mouse_ = keyboard_ = nullptr;
  CaptureInto(nullptr);
}

void RecordingHooks::CaptureInto(RecordingBuffer* buffer) {
  g_bufferLock.Enter();
  g_buffer = buffer;
  g_bufferLock.Leave();
}

void RecordingHooks::CaptureMouse(WPARAM message, const MSLLHOOKSTRUCT& data) {
  if (const auto event = MouseEventFor(static_cast<uint32_t>(message), data.pt.x, data.pt.y, data.mouseData)) {
    Append(*event);
  }
}

LRESULT CALLBACK RecordingHooks::MouseProc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) CaptureMouse(wp, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lp));
  return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK RecordingHooks::KeyboardProc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) {
    const auto* data = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
    if (const auto event = KeyEventFor(static_cast<uint32_t>(wp), data->vkCode)) Append(*event);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}
