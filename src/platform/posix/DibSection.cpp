#include "platform/posix/DibSection.h"

#include <SDL.h>
#include <sys/stat.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_map>

#include "platform/posix/BitmapHeaders.h"

namespace platform {
namespace {

using SurfacePointer = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
using FilePointer = std::unique_ptr<std::FILE, decltype(&std::fclose)>;

std::mutex registryLock;

std::unordered_map<HGDIOBJ, std::unique_ptr<DibSection>>& Registry() {
  static auto* registry = new std::unordered_map<HGDIOBJ, std::unique_ptr<DibSection>>();
  return *registry;
}

// The depth Windows would report: the bits of a palette index, or the whole
// bytes of a packed pixel (SDL calls 16-bit 5-5-5 pixels 15 bits deep).
int DepthOf(const SDL_PixelFormat& format) {
  return SDL_ISPIXELFORMAT_INDEXED(format.format) ? format.BitsPerPixel : format.BytesPerPixel * 8;
}

// Reads the headers and measures the file, then goes back to its start for the decoder.
bool HasAcceptableHeaders(std::FILE* file) {
  std::array<std::uint8_t, BitmapHeaders::longestHeaders> start;
  const std::size_t read = std::fread(start.data(), 1, start.size(), file);
  struct stat status {};
  if (::fstat(::fileno(file), &status) != 0 || std::fseek(file, 0, SEEK_SET) != 0) return false;
  return BitmapHeaders::Acceptable(std::span(start.data(), read),
                                   static_cast<std::uint64_t>(status.st_size));
}

// SDL's decoding of a file whose headers passed; it reads the same open file that was checked.
SurfacePointer Decode(const std::string& path) {
  FilePointer file(std::fopen(path.c_str(), "rbe"), &std::fclose);
  if (file == nullptr || !HasAcceptableHeaders(file.get())) return {nullptr, SDL_FreeSurface};
  SDL_RWops* stream = SDL_RWFromFP(file.get(), SDL_TRUE);
  if (stream == nullptr) return {nullptr, SDL_FreeSurface};
  file.release();  // the stream closes it
  const int closeStream = 1;
  return SurfacePointer(SDL_LoadBMP_RW(stream, closeStream), SDL_FreeSurface);
}

// 24- and 32-bit pictures in the byte order of a DIB section: blue, green,
// red (and an unused byte). Other depths keep SDL's bytes; the program refuses them.
SurfacePointer InDibLayout(SurfacePointer surface, int depth) {
  if (depth != 24 && depth != 32) return surface;
  const Uint32 layout = depth == 24 ? SDL_PIXELFORMAT_BGR24 : SDL_PIXELFORMAT_XRGB8888;
  return SurfacePointer(SDL_ConvertSurfaceFormat(surface.get(), layout, 0), SDL_FreeSurface);
}

}  // namespace

DibSection::DibSection(int width, int height, int bitsPerPixel, int rowBytes)
    : width_(width),
      height_(height),
      bitsPerPixel_(bitsPerPixel),
      rowBytes_(rowBytes),
      bits_(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(height)) {}

std::unique_ptr<DibSection> DibSection::Load(const std::string& path) {
  SurfacePointer decoded = Decode(path);
  if (decoded == nullptr) return nullptr;
  const int depth = DepthOf(*decoded->format);
  SurfacePointer surface = InDibLayout(std::move(decoded), depth);
  if (surface == nullptr || surface->w <= 0 || surface->h <= 0) return nullptr;
  const std::int64_t width = surface->w;
  const std::int64_t height = surface->h;
  const std::int64_t usedBytes = (width * depth + 7) / 8;
  const std::int64_t rowBytes = (width * depth + 31) / 32 * 4;
  if (usedBytes > surface->pitch) return nullptr;

  std::unique_ptr<DibSection> section;
  try {
    section.reset(new DibSection(static_cast<int>(width), static_cast<int>(height), depth,
                                 static_cast<int>(rowBytes)));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  if (SDL_LockSurface(surface.get()) != 0) return nullptr;
  const auto* pixels = static_cast<const unsigned char*>(surface->pixels);
  for (std::int64_t row = 0; row < height; ++row) {
    // The top row of the picture is the last row of the section.
    std::memcpy(&section->bits_[static_cast<std::size_t>((height - 1 - row) * rowBytes)],
                pixels + row * surface->pitch, static_cast<std::size_t>(usedBytes));
  }
  SDL_UnlockSurface(surface.get());
  return section;
}

HBITMAP DibSection::Register(std::unique_ptr<DibSection> section) {
  std::lock_guard guard(registryLock);
  auto handle = reinterpret_cast<HBITMAP>(section.get());
  Registry().emplace(handle, std::move(section));
  return handle;
}

bool DibSection::Describe(HGDIOBJ handle, BITMAP& bitmap) {
  std::lock_guard guard(registryLock);
  auto found = Registry().find(handle);
  if (found == Registry().end()) return false;
  DibSection& section = *found->second;
  bitmap = BITMAP{0,
                  section.width_,
                  section.height_,
                  section.rowBytes_,
                  1,
                  static_cast<WORD>(section.bitsPerPixel_),
                  section.bits_.data()};
  return true;
}

bool DibSection::Delete(HGDIOBJ handle) {
  std::lock_guard guard(registryLock);
  return Registry().erase(handle) != 0;
}

}  // namespace platform
