// A bitmap loaded from a file and held the way a Windows DIB section holds
// it: rows bottom first, each padded to a multiple of 4 bytes, pixels at the
// picture's own depth. Live DIB sections are registered by handle, so a stale
// or foreign handle is refused instead of being dereferenced.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/posix/WinGdi.h"

namespace platform {

class DibSection {
 public:
  // Decodes the file; null when its headers do not pass BitmapHeaders (before anything is
  // allocated for its pixels) or SDL2 refuses it.
  static std::unique_ptr<DibSection> Load(const std::string& path);

  // Takes ownership and returns the handle.
  static HBITMAP Register(std::unique_ptr<DibSection> section);
  // The record of a live section; false for a handle that is not one. The
  // bits stay valid until the handle is deleted.
  static bool Describe(HGDIOBJ handle, BITMAP& bitmap);
  // False for a handle that is not live.
  static bool Delete(HGDIOBJ handle);

 private:
  DibSection(int width, int height, int bitsPerPixel, int rowBytes);

  int width_;
  int height_;
  int bitsPerPixel_;
  int rowBytes_;
  std::vector<unsigned char> bits_;
};

}  // namespace platform
