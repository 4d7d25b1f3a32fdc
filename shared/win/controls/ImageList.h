// An owned image list.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>

class ImageList {
 public:
  ImageList() = default;
  ImageList(int width, int height, UINT flags, int initial, int grow)
      : list_(ImageList_Create(width, height, flags, initial, grow)) {}
  ImageList(ImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  ImageList& operator=(ImageList&& other) noexcept {
    std::swap(list_, other.list_);
    return *this;
  }
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;
  ~ImageList() {
    if (list_) ImageList_Destroy(list_);
  }

  HIMAGELIST Get() const { return list_; }
  int Add(HBITMAP image, HBITMAP mask) const { return ImageList_Add(list_, image, mask); }
  int Count() const { return ImageList_GetImageCount(list_); }

 private:
  HIMAGELIST list_ = nullptr;
};
