// The file operations that portable code needs, provided by the platform.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class FileStore {
 public:
  virtual ~FileStore() = default;

  // The whole file; nothing when it cannot be opened or read.
  virtual std::optional<std::vector<uint8_t>> ReadAll(const std::wstring& path) = 0;

  // Replaces the file (or creates it) so that it holds either its old or its new
  // content whatever happens: the bytes go to a temporary file beside it, which is
  // flushed and then renamed over it. False when that cannot be done; the old file
  // is then untouched.
  virtual bool ReplaceAtomically(const std::wstring& path, std::span<const uint8_t> bytes) = 0;

  // Adds the bytes at the end of the file, which is created when missing. False when
  // the file cannot be opened or written.
  virtual bool Append(const std::wstring& path, std::span<const uint8_t> bytes) = 0;

  // 8-bit text in the system's ANSI code page, as wide text.
  virtual std::wstring FromAnsi(std::string_view text) = 0;
};
