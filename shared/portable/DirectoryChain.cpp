#include "DirectoryChain.h"

std::vector<std::wstring> DirectoryChain(std::wstring_view path) {
  std::vector<std::wstring> chain;
  for (size_t i = path.find(L'\\'); i != std::wstring_view::npos; i = path.find(L'\\', i + 1)) {
    chain.emplace_back(path.substr(0, i));
  }
  chain.emplace_back(path);
  return chain;
}
