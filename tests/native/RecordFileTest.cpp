#include "../../recorder/engine/RecordFile.h"

#include <gtest/gtest.h>

#include "../../shared/frame/Site.h"
#include "MemoryFileStore.h"

using Bytes = std::vector<uint8_t>;

static void PrintTo(const MacroEvent& e, std::ostream* out) {
  *out << "{kind " << e.kind << ", " << e.x << ", " << e.y << ", wheel " << e.wheelDelta << ", delay " << e.delayAfterMs
       << "}";
}

namespace {

const std::wstring kPath = L"C:\\Records\\Zo\u00EB.rec";
const std::wstring kInvalid = L"Invalid file format.";
const std::wstring kNewerVersion =
    L"Can not load this version of Sorvane File. You may need to update Dunmere to the latest version.";
const std::wstring kCannotOpen = L"Can not open file: 'C:\\Records\\Zo\u00EB.rec'";

const MacroEvent kMove{static_cast<uint16_t>(EventKind::MouseMove), 100, 200, 0, 16};
const Bytes kMoveBytes{0x00, 0x00, 0x64, 0x00, 0xC8, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00};
const MacroEvent kLastKeyA{static_cast<uint16_t>(EventKind::KeyDown), 0x41, 0, 0, 0};
const Bytes kLastKeyABytes{0x08, 0x00, 0x41, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
const MacroEvent kWheelDown{static_cast<uint16_t>(EventKind::Wheel), 0xFFFF, 0x8000, -120, 0x12345678};
const Bytes kWheelDownBytes{0x07, 0x00, 0xFF, 0xFF, 0x00, 0x80, 0x88, 0xFF, 0x78, 0x56, 0x34, 0x12};

Bytes U32(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
          static_cast<uint8_t>(value >> 24)};
}

uint32_t U32At(const Bytes& bytes, size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

Bytes Join(const std::vector<Bytes>& parts) {
  Bytes joined;
  for (const Bytes& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

// UTF-16LE with its terminating NUL.
Bytes TextZ(std::u16string_view text) {
  Bytes bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

Bytes Chunk(uint32_t type, const Bytes& data) {
  return Join({U32(static_cast<uint32_t>(8 + data.size())), U32(type), data});
}

Bytes Header(uint32_t version) { return Join({{'Q', 'V', 'N', '#'}, U32(version), U32(0), U32(0), U32(4)}); }

Bytes IdentificationChunk() {
  const std::wstring text = std::wstring(L"Sorvane File, ") + kSiteAddress;
  return Chunk(4, TextZ(std::u16string(text.begin(), text.end())));
}

// The header, then the chunks in this order.
Bytes RecordBytes(const std::vector<Bytes>& chunks, uint32_t version = 2) {
  return Join({Header(version), Join(chunks)});
}

// Identification, "abc", a move and a key, end.
std::vector<Bytes> ValidChunks() {
  return {IdentificationChunk(), Chunk(4, TextZ(u"abc")), Chunk(3, Join({kMoveBytes, kLastKeyABytes})), Chunk(1, {})};
}

const std::wstring kUntouchedDescription = L"left as it was";
const std::vector<MacroEvent> kUntouchedEvents = {kWheelDown};

struct ReadResult {
  bool ok = false;
  std::wstring error;
  std::wstring description = kUntouchedDescription;
  std::vector<MacroEvent> events = kUntouchedEvents;
};

// Reads the bytes as the file at kPath; no bytes: there is no such file.
ReadResult Read(const std::optional<Bytes>& file) {
  MemoryFileStore store;
  if (file) store.files[kPath] = *file;
  ReadResult result;
  result.ok = ReadRecordFile(store, kPath, result.error, result.description, result.events);
  return result;
}

void ExpectFailure(const ReadResult& result, const std::wstring& message) {
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, message);
  EXPECT_EQ(result.description, kUntouchedDescription);
  EXPECT_EQ(result.events, kUntouchedEvents);
}

void ExpectRecord(const ReadResult& result, const std::wstring& description, const std::vector<MacroEvent>& events) {
  EXPECT_TRUE(result.ok) << testing::PrintToString(result.error);
  EXPECT_EQ(result.description, description);
  EXPECT_EQ(result.events, events);
}

TEST(RecordFileWrite, WholeSmallFileByteForByte) {
  const Bytes identification = IdentificationChunk();
  const uint32_t total = static_cast<uint32_t>(20 + identification.size() + 16 + 32 + 8);
  const Bytes expected = Join({
      {0x51, 0x56, 0x4E, 0x23},  // QVN#
      {0x02, 0x00, 0x00, 0x00},
      U32(total),
      {0x00, 0x10, 0x00, 0x00},
      {0x04, 0x00, 0x00, 0x00},
      identification,
      {0x10, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x61, 0x00, 0x62, 0x00, 0x63, 0x00, 0x00, 0x00},
      {0x20, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00},
      kMoveBytes,
      kLastKeyABytes,
      {0x08, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00},
  });
  EXPECT_EQ(EncodeRecordFile(L"abc", {kMove, kLastKeyA}), expected);
}

TEST(RecordFileWrite, DescriptionChunkIsNulTerminatedUtf16) {
  const struct {
    std::wstring description;
    Bytes chunk;
  } cases[] = {
      {L"", {0x0A, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {L"abc", {0x10, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x61, 0x00, 0x62, 0x00, 0x63, 0x00, 0x00, 0x00}},
      {L"\u00EB\u6587", {0x0E, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0xEB, 0x00, 0x87, 0x65, 0x00, 0x00}},
      {L"\U0001F600", {0x0E, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x3D, 0xD8, 0x00, 0xDE, 0x00, 0x00}},
  };
  const size_t start = 20 + IdentificationChunk().size();
  for (const auto& c : cases) {
    const Bytes file = EncodeRecordFile(c.description, {});
    ASSERT_GE(file.size(), start + c.chunk.size());
    EXPECT_EQ(Bytes(file.begin() + start, file.begin() + start + c.chunk.size()), c.chunk);
  }
}

TEST(RecordFileWrite, EventChunkHoldsTheEventsBackToBackBeforeTheEndChunk) {
  const struct {
    std::vector<MacroEvent> events;
    Bytes chunk;
  } cases[] = {
      {{}, {0x08, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00}},
      {{kMove}, Join({{0x14, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00}, kMoveBytes})},
      {{kLastKeyA}, Join({{0x14, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00}, kLastKeyABytes})},
      {{kWheelDown, kMove, kLastKeyA},
       Join({{0x2C, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00}, kWheelDownBytes, kMoveBytes, kLastKeyABytes})},
  };
  const Bytes end{0x08, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};
  for (const auto& c : cases) {
    const Bytes file = EncodeRecordFile(L"", c.events);
    EXPECT_EQ(Bytes(file.end() - end.size() - c.chunk.size(), file.end()), Join({c.chunk, end}));
  }
}

TEST(RecordFileWrite, HeaderHoldsTheSizeAndTheWholePagesOfTheWorkingBuffer) {
  const size_t smallest = EncodeRecordFile(L"", {}).size();
  const struct {
    size_t total;
    size_t events;
    uint32_t capacity;
  } cases[] = {
      {smallest, 0, 4096},
      {4096, 0, 4096},
      {4098, 0, 8192},
      {5000, 10, 8192},
      {8192, 300, 8192},
      {8194, 1, 12288},
      {smallest + 12 * 100000, 100000, 1204224},
  };
  for (const auto& c : cases) {
    const size_t descriptionChars = (c.total - smallest - 12 * c.events) / 2;
    const Bytes file = EncodeRecordFile(std::wstring(descriptionChars, L'd'), std::vector<MacroEvent>(c.events));
    ASSERT_EQ(file.size(), c.total);
    EXPECT_EQ(U32At(file, 8), c.total);
    EXPECT_EQ(U32At(file, 12), c.capacity) << "total " << c.total;
    EXPECT_EQ(U32At(file, 16), 4u);
  }
}

TEST(RecordFileWrite, StoresTheEncodedFileOrReportsTheFailure) {
  MemoryFileStore store;
  std::wstring error;
  ASSERT_TRUE(WriteRecordFile(store, kPath, L"abc", {kMove}, error));
  EXPECT_EQ(store.files[kPath], EncodeRecordFile(L"abc", {kMove}));
  EXPECT_EQ(error, L"");

  store.files.clear();
  store.failWrites = true;
  EXPECT_FALSE(WriteRecordFile(store, kPath, L"abc", {kMove}, error));
  EXPECT_EQ(error, L"Create file: 'C:\\Records\\Zo\u00EB.rec' failed!\nYou may need to run Sorvane as administrator.");
  EXPECT_TRUE(store.files.empty());
}

TEST(RecordFileRoundTrip, ReadsBackWhatWasWritten) {
  const std::wstring descriptions[] = {
      L"",
      L"abc",
      L"Zo\u00EB \u6587\u6863",
      L"\U0001F600 smile",
      L"first line\r\nsecond line\nthird",
      std::wstring(5000, L'x'),
  };
  const std::vector<MacroEvent> eventLists[] = {
      {},
      {kLastKeyA},
      {kMove, kWheelDown, {static_cast<uint16_t>(EventKind::KeyUp), 0x41, 0, 0, 0}, {0xBEEF, 1, 2, 3, 4}},
      std::vector<MacroEvent>(1000, kWheelDown),
  };
  for (const std::wstring& description : descriptions) {
    for (const std::vector<MacroEvent>& events : eventLists) {
      MemoryFileStore store;
      std::wstring error;
      ASSERT_TRUE(WriteRecordFile(store, kPath, description, events, error));
      ExpectRecord(Read(store.files[kPath]), description, events);
    }
  }
}

TEST(RecordFileRead, AcceptsWhatOtherWritersStore) {
  const Bytes id = IdentificationChunk();
  const Bytes description = Chunk(4, TextZ(u"abc"));
  const Bytes events = Chunk(3, Join({kMoveBytes, kLastKeyABytes}));
  const Bytes end = Chunk(1, {});
  const Bytes otherHeader = Join({{'A', 'B', 'C', 'D'}, U32(2), U32(7), U32(0xFFFFFFFF), U32(0)});
  const std::vector<MacroEvent> moveAndKey = {kMove, kLastKeyA};
  const struct {
    const char* name;
    Bytes file;
    std::wstring description;
    std::vector<MacroEvent> events;
  } cases[] = {
      {"ours", RecordBytes({id, description, events, end}), L"abc", moveAndKey},
      {"first chunk of another type", RecordBytes({Chunk(9, {1, 2, 3}), description, events, end}), L"abc", moveAndKey},
      {"empty first chunk", RecordBytes({Chunk(1, {}), description, events, end}), L"abc", moveAndKey},
      {"other identification", RecordBytes({Chunk(4, TextZ(u"Other")), description, events, end}), L"abc", moveAndKey},
      {"version 0", RecordBytes({id, description, events, end}, 0), L"abc", moveAndKey},
      {"version 1", RecordBytes({id, description, events, end}, 1), L"abc", moveAndKey},
      {"other magic and header fields", Join({otherHeader, id, description, events, end}), L"abc", moveAndKey},
      {"no end chunk", RecordBytes({id, description, events}), L"abc", moveAndKey},
      {"damaged end chunk", RecordBytes({id, description, events, {0xFF, 0xFF, 0xFF}}), L"abc", moveAndKey},
      {"one event in a chunk of 20", RecordBytes({id, description, Chunk(3, kMoveBytes), end}), L"abc", {kMove}},
      {"no events", RecordBytes({id, description, Chunk(3, {}), end}), L"abc", {}},
      {"8-bit description", RecordBytes({id, Chunk(4, {'Z', 'o', 0xEB, 0}), events, end}), L"Zo\u00EB", moveAndKey},
      {"empty 8-bit description", RecordBytes({id, Chunk(4, {0}), events, end}), L"", moveAndKey},
      {"empty UTF-16 description", RecordBytes({id, Chunk(4, TextZ(u"")), events, end}), L"", moveAndKey},
      {"no description data", RecordBytes({id, Chunk(4, {}), events, end}), L"", moveAndKey},
      {"UTF-16 without its NUL", RecordBytes({id, Chunk(4, {'a', 0, 'b', 0}), events, end}), L"ab", moveAndKey},
      {"UTF-16 ending in half a unit", RecordBytes({id, Chunk(4, {'a', 0, 'b'}), events, end}), L"a", moveAndKey},
      {"UTF-16 with data after its NUL", RecordBytes({id, Chunk(4, {'a', 0, 0, 0, 'b', 0, 0, 0}), events, end}), L"a",
       moveAndKey},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectRecord(Read(c.file), c.description, c.events);
  }
}

TEST(RecordFileRead, RejectsFilesItCannotUse) {
  const Bytes header = Header(2);
  const Bytes id = IdentificationChunk();
  const Bytes description = Chunk(4, TextZ(u"abc"));
  const Bytes events = Chunk(3, kMoveBytes);
  const Bytes end = Chunk(1, {});
  const Bytes elevenBytes(kMoveBytes.begin(), kMoveBytes.end() - 1);
  const struct {
    const char* name;
    std::optional<Bytes> file;
    std::wstring message;
  } cases[] = {
      {"no such file", std::nullopt, kCannotOpen},
      {"empty file", Bytes{}, kCannotOpen},
      {"one byte", Bytes{'Q'}, kInvalid},
      {"header cut short", Bytes(header.begin(), header.end() - 1), kInvalid},
      {"version 3", RecordBytes({id, description, events, end}, 3), kNewerVersion},
      {"version 0x80000000", RecordBytes({id, description, events, end}, 0x80000000), kNewerVersion},
      {"version 3 without chunks", Header(3), kNewerVersion},
      {"no chunks", header, kInvalid},
      {"identification only", RecordBytes({id}), kInvalid},
      {"no event chunk", RecordBytes({id, description}), kInvalid},
      {"events where the description belongs", RecordBytes({id, events, description, end}), kInvalid},
      {"description of another type", RecordBytes({id, Chunk(1, TextZ(u"abc")), events, end}), kInvalid},
      {"events of another type", RecordBytes({id, description, Chunk(4, kMoveBytes), end}), kInvalid},
      {"event chunk of 21", RecordBytes({id, description, Chunk(3, Join({kMoveBytes, {0}})), end}), kInvalid},
      {"event chunk of 19", RecordBytes({id, description, Chunk(3, elevenBytes), end}), kInvalid},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectFailure(Read(c.file), c.message);
  }
}

TEST(RecordFileRead, RejectsChunkLengthsOutsideTheFile) {
  const std::vector<Bytes> chunks = ValidChunks();
  const size_t fileSize = RecordBytes(chunks).size();
  size_t start = 20;
  for (size_t index = 0; index < 3; ++index) {
    std::vector<uint32_t> lengths = {0, 1, 2, 3, 4, 5, 6, 7, 0x7FFFFFFF, 0x80000000, 0xFFFFFFF8, 0xFFFFFFFF};
    lengths.push_back(static_cast<uint32_t>(fileSize - start + 1));
    for (const uint32_t length : lengths) {
      SCOPED_TRACE(testing::Message() << "chunk " << index << " of length " << length);
      std::vector<Bytes> damaged = chunks;
      const Bytes head = U32(length);
      std::copy(head.begin(), head.end(), damaged[index].begin());
      ExpectFailure(Read(RecordBytes(damaged)), kInvalid);
    }
    start += chunks[index].size();
  }
}

TEST(RecordFileRead, FileCutAnywhereBeforeTheEndChunkIsRejected) {
  const Bytes file = RecordBytes(ValidChunks());
  const size_t endChunk = file.size() - 8;
  for (size_t size = 0; size <= file.size(); ++size) {
    SCOPED_TRACE(testing::Message() << "cut to " << size << " bytes");
    const ReadResult result = Read(Bytes(file.begin(), file.begin() + size));
    if (size == 0) {
      ExpectFailure(result, kCannotOpen);
    } else if (size < endChunk) {
      ExpectFailure(result, kInvalid);
    } else {
      ExpectRecord(result, L"abc", {kMove, kLastKeyA});
    }
  }
}

// Every byte of a file set to values that upset lengths and types: whatever happens,
// the reader stays inside the data and either reads a record or leaves it alone.
TEST(RecordFileRead, AnyDamagedByteIsReadSafely) {
  const Bytes file = RecordBytes(ValidChunks());
  for (size_t offset = 0; offset < file.size(); ++offset) {
    for (const uint8_t value : {0x00, 0x01, 0x07, 0x0B, 0x80, 0xFF}) {
      SCOPED_TRACE(testing::Message() << "byte " << offset << " set to " << int{value});
      Bytes damaged = file;
      damaged[offset] = value;
      const ReadResult result = Read(damaged);
      if (!result.ok) {
        EXPECT_TRUE(result.error == kInvalid || result.error == kNewerVersion) << testing::PrintToString(result.error);
        EXPECT_EQ(result.description, kUntouchedDescription);
        EXPECT_EQ(result.events, kUntouchedEvents);
      }
    }
  }
}

}  // namespace
