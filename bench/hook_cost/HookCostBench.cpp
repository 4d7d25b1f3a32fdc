// What a recording's hook callbacks cost. The system removes a low-level hook whose
// callback is slow, so it must stay far below a millisecond.
//  1. 100,000 mouse moves injected from another thread go through a low-level mouse
//     hook that does what the recorder's callback does, timed in its two parts: the
//     capture (the recorder's own work) and passing the call on to the next hook
//     (the system's work): median and 99th percentile per captured event.
//  2. 1,000,000 events captured through the callback: the process's peak memory.
// Usage: hook_cost_bench
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

#include "../../recorder/RecordingHooks.h"

namespace {

constexpr int kInjected = 100'000;
constexpr int kCaptured = 1'000'000;

struct Samples {
  std::vector<int64_t> capture, passOn, whole;
} g_samples;

LRESULT CALLBACK TimedMouseProc(int code, WPARAM wp, LPARAM lp) {
  LARGE_INTEGER start, captured, passed;
  QueryPerformanceCounter(&start);
  if (code == HC_ACTION) RecordingHooks::CaptureMouse(wp, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lp));
  QueryPerformanceCounter(&captured);
  const LRESULT result = CallNextHookEx(nullptr, code, wp, lp);
  QueryPerformanceCounter(&passed);
  g_samples.capture.push_back(captured.QuadPart - start.QuadPart);
  g_samples.passOn.push_back(passed.QuadPart - captured.QuadPart);
  g_samples.whole.push_back(passed.QuadPart - start.QuadPart);
  return result;
}

void InjectMoves(DWORD hookThread) {
  for (int i = 0; i < kInjected; ++i) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (i % 2) ? 1 : -1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
  }
  PostThreadMessageW(hookThread, WM_QUIT, 0, 0);
}

size_t PeakMemory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakPagefileUsage;
}

}  // namespace

int main() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);

  RecordingBuffer buffer;
  buffer.Start(64 * 1024, 0, 0);
  RecordingHooks::CaptureInto(&buffer);
  for (auto* samples : {&g_samples.capture, &g_samples.passOn, &g_samples.whole}) samples->reserve(kInjected);
  HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, TimedMouseProc, GetModuleHandleW(nullptr), 0);
  if (!hook) return 1;
  std::thread injector(InjectMoves, GetCurrentThreadId());
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  injector.join();
  UnhookWindowsHookEx(hook);

  const auto micros = [&](int64_t t) { return t * 1e6 / static_cast<double>(frequency.QuadPart); };
  std::printf("hook callback per captured event, %zu of %d injected moves:\n", buffer.Events().size(), kInjected);
  const struct {
    const char* part;
    std::vector<int64_t>& samples;
  } parts[] = {{"capture", g_samples.capture}, {"pass on", g_samples.passOn}, {"whole", g_samples.whole}};
  for (const auto& p : parts) {
    std::sort(p.samples.begin(), p.samples.end());
    std::printf("  %-8s median %8.2f us, 99th percentile %8.2f us, max %10.2f us\n", p.part,
                micros(p.samples[p.samples.size() / 2]), micros(p.samples[p.samples.size() * 99 / 100]),
                micros(p.samples.back()));
  }

  const size_t before = PeakMemory();
  buffer.Start(64 * 1024, 0, 0);
  MSLLHOOKSTRUCT data{};
  for (int i = 0; i < kCaptured; ++i) {
    data.pt = {i % 1280, i % 1024};
    RecordingHooks::MouseProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&data));
  }
  std::printf("recording of %zu events (%zu bytes of events): peak memory %.1f MB (%.1f MB before)\n",
              buffer.Events().size(), buffer.Events().size() * sizeof(MacroEvent), PeakMemory() / 1048576.0,
              before / 1048576.0);
  RecordingHooks::CaptureInto(nullptr);
  return 0;
}
