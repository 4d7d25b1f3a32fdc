// How closely a playback keeps to its schedule: a record of 200 key events with gaps
// of 0 to 300 ms is played by Sorvane into a probe window at speeds 5 and 10. The time
// from the first to the last event that arrives is divided by what the playback rules
// give for it: the sum of the sliced waits (a scaled gap of 50 ms or more is waited in
// whole 50 ms slices, a shorter one in one slice of its own length).
// Usage: playback_fidelity_bench
#include <windows.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "../../recorder/engine/PlaybackOptions.h"
#include "../../recorder/engine/RecordFile.h"
#include "../../shared/frame/Win32FileStore.h"
#include "../../tests/win/Harness.h"
#include "../../tests/win/InputProbe.h"

namespace {

constexpr int kEvents = 200;

std::vector<MacroEvent> MakeRecord() {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<uint32_t> gap(0, 300);
  // A click first gives the probe the keyboard.
  std::vector<MacroEvent> events = {{static_cast<uint16_t>(EventKind::LeftDown), 250, 200, 0, 50},
                                    {static_cast<uint16_t>(EventKind::LeftUp), 250, 200, 0, 50}};
  for (int i = 0; i < kEvents; ++i) {
    const auto kind = static_cast<uint16_t>(i % 2 ? EventKind::KeyUp : EventKind::KeyDown);
    events.push_back({kind, 'A', 0, 0, i + 1 < kEvents ? gap(random) : 0});
  }
  return events;
}

uint64_t SlicedWait(uint64_t ms) { return ms < 50 ? ms : (ms + 49) / 50 * 50; }

// From the first key event to the last.
uint64_t ScheduleMs(const std::vector<MacroEvent>& events, int speed) {
  uint64_t total = 0;
  for (size_t i = 2; i + 1 < events.size(); ++i) total += SlicedWait(ScaleGap(events[i].delayAfterMs, speed));
  return total;
}

}  // namespace

int main() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"fidelity.rec";
  const std::vector<MacroEvent> events = MakeRecord();
  Win32FileStore files;
  std::wstring error;
  if (!WriteRecordFile(files, path, L"", events, error)) return 1;

  std::printf("playback fidelity, %d key events with gaps of 0 to 300 ms\n", kEvents);
  std::printf("%6s %12s %12s %8s\n", "speed", "schedule ms", "measured ms", "ratio");
  for (int speed : {5, 10}) {
    InputProbe probe(100, 100, 400, 300);
    RunningProgram sorvane = StartProgram(L"Sorvane.exe", L"<s " + std::to_wstring(speed) + L">" + path);
    if (!probe.WaitForEvents(kEvents + 2, 120000) || !WaitForExit(sorvane, 30000)) {
      std::fprintf(stderr, "the playback at speed %d did not complete\n", speed);
      EnsureEnded(sorvane);
      return 1;
    }
    std::vector<ProbeEvent> received = probe.EventsWithoutMoves();
    std::erase_if(received, [](const ProbeEvent& e) { return e.a != 'A'; });
    const double measured = (received.back().atMicros - received.front().atMicros) / 1000.0;
    const uint64_t schedule = ScheduleMs(events, speed);
    std::printf("%6d %12llu %12.1f %8.4f\n", speed, static_cast<unsigned long long>(schedule), measured,
                measured / static_cast<double>(schedule));
  }
  return 0;
}
