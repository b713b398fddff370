// A bitmap file through LoadImageW and GetObjectW as the program calls them, with every byte of
// every row of the section read back, so that a section smaller than its record claims shows.
#include <cstddef>
#include <cstdint>

#include "InputFile.h"
#include "platform/Windows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteInputFile("picture.bmp", data, size);
  HANDLE image = LoadImageW(nullptr, u"picture.bmp", IMAGE_BITMAP, 0, 0,
                            LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (image == nullptr) return 0;
  BITMAP bitmap{};
  if (GetObjectW(image, sizeof bitmap, &bitmap) == sizeof bitmap) {
    const auto* bits = static_cast<const volatile std::uint8_t*>(bitmap.bmBits);
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < std::size_t(bitmap.bmHeight) * std::size_t(bitmap.bmWidthBytes);
         ++i) {
      sum = static_cast<std::uint8_t>(sum + bits[i]);
    }
    (void)sum;
  }
  DeleteObject(image);
  return 0;
}
