#include "RecordFile.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <span>
#include <string_view>

#include "../../shared/frame/Site.h"
#include "../../shared/portable/Utf16.h"

namespace {

constexpr uint8_t kMagic[4] = {'Q', 'V', 'N', '#'};
constexpr uint32_t kVersion = 2;
constexpr size_t kHeaderSize = 20;
constexpr size_t kChunkHeadSize = 8;
constexpr size_t kEventSize = 12;
constexpr size_t kPageSize = 4096;
constexpr uint32_t kChunkCount = 4;

// Events go to and from the file as they lie in memory.
static_assert(std::endian::native == std::endian::little, "record files are little-endian");
static_assert(sizeof(MacroEvent) == kEventSize);

enum ChunkType : uint32_t { kEndChunk = 1, kEventChunk = 3, kTextChunk = 4 };

constexpr wchar_t kInvalidFormat[] = L"Invalid file format.";

uint8_t* PutU16(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
  return at + 2;
}

uint8_t* PutU32(uint8_t* at, uint32_t value) {
  at = PutU16(at, static_cast<uint16_t>(value));
  return PutU16(at, static_cast<uint16_t>(value >> 16));
}

uint16_t GetU16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }

uint32_t GetU32(const uint8_t* at) { return GetU16(at) | static_cast<uint32_t>(GetU16(at + 2)) << 16; }

size_t TextChunkSize(std::u16string_view text) { return kChunkHeadSize + 2 * (text.size() + 1); }

uint8_t* PutChunkHead(uint8_t* at, size_t size, ChunkType type) {
  return PutU32(PutU32(at, static_cast<uint32_t>(size)), type);
}

uint8_t* PutTextChunk(uint8_t* at, std::u16string_view text) {
  at = PutChunkHead(at, TextChunkSize(text), kTextChunk);
  for (const char16_t unit : text) at = PutU16(at, unit);
  return PutU16(at, 0);
}

uint8_t* PutEventChunk(uint8_t* at, const std::vector<MacroEvent>& events) {
  at = PutChunkHead(at, kChunkHeadSize + kEventSize * events.size(), kEventChunk);
  return std::copy_n(reinterpret_cast<const uint8_t*>(events.data()), kEventSize * events.size(), at);
}

// The header records the size of the buffer the file was assembled in: it starts at
// one page and, whenever a chunk does not fit, grows to the pages that hold it.
uint32_t WorkingCapacity(size_t total) {
  return static_cast<uint32_t>(std::max(kPageSize, (total + kPageSize - 1) / kPageSize * kPageSize));
}

struct Chunk {
  uint32_t type;
  std::span<const uint8_t> data;
};

// The chunk at offset, which then moves past it; nothing when the chunk does not lie
// wholly within the file.
std::optional<Chunk> NextChunk(std::span<const uint8_t> file, size_t& offset) {
  if (file.size() - offset < kChunkHeadSize) return std::nullopt;
  const uint32_t size = GetU32(&file[offset]);
  if (size < kChunkHeadSize || size > file.size() - offset) return std::nullopt;
  Chunk chunk{GetU32(&file[offset + 4]), file.subspan(offset + kChunkHeadSize, size - kChunkHeadSize)};
  offset += size;
  return chunk;
}

// The description is UTF-16, or 8-bit ANSI text whose NUL is the chunk's last byte;
// UTF-16 text ends in two zero bytes and so never looks like the latter.
std::wstring DescriptionText(FileStore& files, std::span<const uint8_t> data) {
  const size_t ansiLength = std::find(data.begin(), data.end(), 0) - data.begin();
  if (ansiLength + 1 == data.size()) {
    return files.FromAnsi(std::string_view(reinterpret_cast<const char*>(data.data()), ansiLength));
  }
  std::u16string units;
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    const char16_t unit = GetU16(&data[i]);
    if (unit == 0) break;
    units.push_back(unit);
  }
  return FromUtf16(units);
}

std::vector<MacroEvent> DecodeEvents(std::span<const uint8_t> data) {
  std::vector<MacroEvent> events(data.size() / kEventSize);
  std::copy(data.begin(), data.end(), reinterpret_cast<uint8_t*>(events.data()));
  return events;
}

}  // namespace

std::vector<uint8_t> EncodeRecordFile(const std::wstring& description, const std::vector<MacroEvent>& events) {
  const std::u16string identification = ToUtf16(std::wstring(L"Sorvane File, ") + kSiteAddress);
  const std::u16string text = ToUtf16(description);
  const size_t total = kHeaderSize + TextChunkSize(identification) + TextChunkSize(text) + kChunkHeadSize +
                       kEventSize * events.size() + kChunkHeadSize;

  std::vector<uint8_t> bytes(total);
  uint8_t* at = std::copy(std::begin(kMagic), std::end(kMagic), bytes.data());
  at = PutU32(at, kVersion);
  at = PutU32(at, static_cast<uint32_t>(total));
  at = PutU32(at, WorkingCapacity(total));
  at = PutU32(at, kChunkCount);
  at = PutTextChunk(at, identification);
  at = PutTextChunk(at, text);
  at = PutEventChunk(at, events);
  PutChunkHead(at, kChunkHeadSize, kEndChunk);
  return bytes;
}

bool WriteRecordFile(FileStore& files, const std::wstring& path, const std::wstring& description,
                     const std::vector<MacroEvent>& events, std::wstring& errorText) {
  if (files.ReplaceAtomically(path, EncodeRecordFile(description, events))) return true;
  errorText = L"Create file: '" + path + L"' failed!\nYou may need to run Sorvane as administrator.";
  return false;
}

bool ReadRecordFile(FileStore& files, const std::wstring& path, std::wstring& errorText, std::wstring& description,
                    std::vector<MacroEvent>& events) {
  const std::optional<std::vector<uint8_t>> bytes = files.ReadAll(path);
  if (!bytes || bytes->empty()) {
    errorText = L"Can not open file: '" + path + L"'";
    return false;
  }
  const std::span<const uint8_t> file(*bytes);
  if (file.size() < kHeaderSize) {
    errorText = kInvalidFormat;
    return false;
  }
  // Of the header only the version counts: the chunks carry their own sizes.
  if (GetU32(&file[4]) > kVersion) {
    errorText = L"Can not load this version of Sorvane File. You may need to update Dunmere to the latest version.";
    return false;
  }
  size_t offset = kHeaderSize;
  const std::optional<Chunk> identification = NextChunk(file, offset);  // skipped, whatever it holds
  const std::optional<Chunk> text = identification ? NextChunk(file, offset) : std::nullopt;
  const std::optional<Chunk> list = text ? NextChunk(file, offset) : std::nullopt;
  if (!list || text->type != kTextChunk || list->type != kEventChunk || list->data.size() % kEventSize != 0) {
    errorText = kInvalidFormat;
    return false;
  }
  description = DescriptionText(files, text->data);
  events = DecodeEvents(list->data);
  return true;
}
