// Files in memory for tests of code that reads and writes through a FileStore.
#pragma once

#include <map>

#include "../../shared/portable/FileStore.h"

class MemoryFileStore : public FileStore {
 public:
  std::map<std::wstring, std::vector<uint8_t>> files;
  bool failWrites = false;

  std::optional<std::vector<uint8_t>> ReadAll(const std::wstring& path) override {
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;  // a copy of exactly the file's size, so ASan sees reads past its end
  }

  bool ReplaceAtomically(const std::wstring& path, std::span<const uint8_t> bytes) override {
    if (failWrites) return false;
    files[path].assign(bytes.begin(), bytes.end());
    return true;
  }

  bool Append(const std::wstring& path, std::span<const uint8_t> bytes) override {
    if (failWrites) return false;
    std::vector<uint8_t>& file = files[path];
    file.insert(file.end(), bytes.begin(), bytes.end());
    return true;
  }

  // Latin-1: each byte is the character of the same number.
  std::wstring FromAnsi(std::string_view text) override {
    std::wstring wide;
    for (const char c : text) wide.push_back(static_cast<unsigned char>(c));
    return wide;
  }
};
