// marrowick-assets DIR: draws and synthesizes every picture and sound of the
// game into DIR. marrowick-assets --sheet FILE.bmp and --scene FILE.bmp write
// pictures for reviewing the art instead; --icon SIZE FILE.png writes the
// desktop's icon at that size.
#include <charconv>
#include <cstring>
#include <exception>
#include <iostream>

#include "assets/Catalogue.h"
#include "assets/FileFormats.h"
#include "assets/IconArt.h"
#include "assets/Review.h"

namespace {

int Usage() {
  std::cerr << "usage: marrowick-assets DIR\n"
               "       marrowick-assets --sheet FILE.bmp\n"
               "       marrowick-assets --scene FILE.bmp\n"
               "       marrowick-assets --icon SIZE FILE.png\n";
  return 2;
}

void WriteBitmap(const char* path, const assets::CImage& image) {
  assets::WriteFile(path, assets::EncodeBitmap(image));
}

// An icon size in pixels, from the 16 of a small menu up to 1024.
bool ParseIconSize(const char* text, int& size) {
  const char* end = text + std::strlen(text);
  auto [stop, error] = std::from_chars(text, end, size);
  return error == std::errc() && stop == end && *text != '\0' && size >= 16 && size <= 1024;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 2 && argv[1][0] != '-') {
      assets::WriteData(argv[1]);
    } else if (argc == 3 && std::strcmp(argv[1], "--sheet") == 0) {
      WriteBitmap(argv[2], assets::DrawContactSheet(assets::DrawPictures()));
    } else if (argc == 3 && std::strcmp(argv[1], "--scene") == 0) {
      WriteBitmap(argv[2], assets::DrawSceneMock(assets::DrawPictures()));
    } else if (int size = 0;
               argc == 4 && std::strcmp(argv[1], "--icon") == 0 && ParseIconSize(argv[2], size)) {
      assets::WriteFile(argv[3], assets::EncodePng(assets::DrawIcon(size)));
    } else {
      return Usage();
    }
  } catch (const std::exception& error) {
    std::cerr << "marrowick-assets: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
