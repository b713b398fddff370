// Every picture and sound of the game's data, by the name the game asks for,
// and writing them all as the game's files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/Image.h"

namespace assets {

// Textures are drawn at this many pixels per world unit, close to the
// 1024 / 201 = 5.09 the game shows them at when the camera is at rest.
inline constexpr double texturePixelsPerUnit = 5;
inline constexpr int soundSampleRate = 22050;

struct Picture {
  std::string name;
  CImage image;
  // The size of the world quad a texture covers; zero for a sprite, which is
  // drawn one picture pixel to one screen pixel.
  double worldWidth = 0;
  double worldHeight = 0;

  bool IsTexture() const { return worldWidth > 0; }
};

struct Sound {
  std::string name;
  std::vector<std::int16_t> samples;
};

// The names of all pictures, in the order DrawPictures draws them.
std::vector<std::string> PictureNames();
// Draws the picture of that name; throws std::invalid_argument for an unknown name.
Picture DrawPicture(const std::string& name);
std::vector<Picture> DrawPictures();
std::vector<Sound> SynthesizeSounds();

// Writes every picture as name + ".bmp" and every sound as name + ".wav" into
// the directory, creating it if needed. Throws std::runtime_error when a file
// cannot be written.
void WriteData(const std::filesystem::path& directory);

}  // namespace assets
