// marrowick-assets DIR: draws and synthesizes every picture and sound of the
// game into DIR. marrowick-assets --sheet FILE.bmp and --scene FILE.bmp write
// pictures for reviewing the art instead.
#include <cstring>
#include <exception>
#include <iostream>

#include "assets/Catalogue.h"
#include "assets/FileFormats.h"
#include "assets/Review.h"

namespace {

int Usage() {
  std::cerr << "usage: marrowick-assets DIR\n"
               "       marrowick-assets --sheet FILE.bmp\n"
               "       marrowick-assets --scene FILE.bmp\n";
  return 2;
}

void WriteBitmap(const char* path, const assets::CImage& image) {
  assets::WriteFile(path, assets::EncodeBitmap(image));
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
    } else {
      return Usage();
    }
  } catch (const std::exception& error) {
    std::cerr << "marrowick-assets: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
