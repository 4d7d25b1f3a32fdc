// Encodes a record of a million events (12 MB) and decodes it again, in memory, and
// compares both with copying as many bytes into a new buffer. Prints the median of
// several rounds. Usage: record_codec_bench [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "../../recorder/engine/RecordFile.h"

namespace {

constexpr size_t kEvents = 1'000'000;
const std::wstring kPath = L"bench.rec";

// Hands its bytes over to the reader, so that decoding is timed without copying them.
class HandOverStore : public FileStore {
 public:
  std::vector<uint8_t> bytes;

  std::optional<std::vector<uint8_t>> ReadAll(const std::wstring&) override { return std::move(bytes); }
  bool ReplaceAtomically(const std::wstring&, std::span<const uint8_t>) override { return false; }
  bool Append(const std::wstring&, std::span<const uint8_t>) override { return false; }
  std::wstring FromAnsi(std::string_view) override { return {}; }  // the description is UTF-16
};

// A plausible mix of moves, clicks, wheel turns and keys with short gaps.
std::vector<MacroEvent> SomeEvents() {
  std::vector<MacroEvent> events(kEvents);
  uint32_t seed = 12345;
  for (MacroEvent& e : events) {
    seed = seed * 1664525 + 1013904223;
    e = {static_cast<uint16_t>(seed % 10), static_cast<uint16_t>(seed >> 8 & 0x7FF),
         static_cast<uint16_t>(seed >> 19 & 0x3FF), static_cast<int16_t>(seed % 10 == 7 ? -120 : 0), seed >> 27};
  }
  return events;
}

// Makes the compiler assume the bytes behind the pointer are read, so that it cannot
// leave out the work that wrote them.
void KeepAlive(const void* bytes) { asm volatile("" : : "g"(bytes) : "memory"); }

using Clock = std::chrono::steady_clock;

// Median milliseconds of work() over the rounds; prepare() runs untimed before each.
template <class Work, class Prepare>
double MedianMs(int rounds, Work work, Prepare prepare) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    prepare();
    const Clock::time_point start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  const std::vector<MacroEvent> events = SomeEvents();
  const std::wstring description = L"A million events";
  const std::vector<uint8_t> file = EncodeRecordFile(description, events);
  const auto nothing = [] {};

  const double copyMs = MedianMs(
      rounds,
      [&] {
        std::unique_ptr<uint8_t[]> copy(new uint8_t[file.size()]);
        std::memcpy(copy.get(), file.data(), file.size());
        KeepAlive(copy.get());
      },
      nothing);
  const double encodeMs = MedianMs(
      rounds, [&] { KeepAlive(EncodeRecordFile(description, events).data()); }, nothing);

  HandOverStore store;
  std::wstring error, readDescription;
  std::vector<MacroEvent> readEvents;
  const double decodeMs = MedianMs(
      rounds,
      [&] {
        KeepAlive(ReadRecordFile(store, kPath, error, readDescription, readEvents) ? readEvents.data() : nullptr);
      },
      [&] {
        store.bytes = file;
        readEvents = {};
      });

  if (readDescription != description || readEvents.size() != events.size() ||
      std::memcmp(readEvents.data(), events.data(), events.size() * sizeof(MacroEvent)) != 0) {
    std::fprintf(stderr, "record_codec_bench: the decoded record differs from the encoded one\n");
    return 1;
  }
  std::printf("record codec: %zu events, %zu bytes, median of %d rounds\n", events.size(), file.size(), rounds);
  std::printf("  memcpy to a new buffer %8.2f ms\n", copyMs);
  std::printf("  encode                 %8.2f ms  %5.2f x memcpy\n", encodeMs, encodeMs / copyMs);
  std::printf("  decode                 %8.2f ms  %5.2f x memcpy\n", decodeMs, decodeMs / copyMs);
  return 0;
}
