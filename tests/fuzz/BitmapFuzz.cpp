// A bitmap file through LoadImageW and GetObjectW as the program calls them. Every byte of
// every row that the record describes must be memory of the section, so that a section smaller
// than its record claims shows. (AddressSanitizer checks the whole block at once: a loop over
// tens of megabytes of pixels would be slower than the time an input may take.)
#include <sanitizer/asan_interface.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "InputFile.h"
#include "platform/Windows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteInputFile("picture.bmp", data, size);
  HANDLE image = LoadImageW(nullptr, u"picture.bmp", IMAGE_BITMAP, 0, 0,
                            LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (image == nullptr) return 0;
  BITMAP bitmap{};
  if (GetObjectW(image, sizeof bitmap, &bitmap) == sizeof bitmap) {
    const std::size_t bytes =
        static_cast<std::size_t>(bitmap.bmHeight) * static_cast<std::size_t>(bitmap.bmWidthBytes);
    if (bitmap.bmBits == nullptr || __asan_region_is_poisoned(bitmap.bmBits, bytes) != nullptr) {
      std::abort();
    }
  }
  DeleteObject(image);
  return 0;
}
