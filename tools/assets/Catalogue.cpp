#include "assets/Catalogue.h"

#include <cmath>

#include "assets/CreatureArt.h"
#include "assets/FileFormats.h"
#include "assets/HudArt.h"
#include "assets/RoadArt.h"
#include "assets/RoadBlockArt.h"
#include "assets/SoundSynth.h"
#include "assets/TitleArt.h"
#include "assets/VehicleArt.h"

namespace assets {

namespace {

int TexturePixels(double worldSize) {
  return static_cast<int>(std::lround(worldSize * texturePixelsPerUnit));
}

// A texture for a world quad of the given size, drawn in world units with the
// quad's top-left corner at the painter's origin.
template <typename Draw>
Picture DrawTexture(std::string name, double worldWidth, double worldHeight, Draw draw) {
  CCanvas canvas(TexturePixels(worldWidth), TexturePixels(worldHeight));
  draw(CPainter(canvas, {{0, 0}, texturePixelsPerUnit, 0}));
  return {std::move(name), canvas.ToImage(), worldWidth, worldHeight};
}

// A texture of something drawn centred on its painter's origin, which lies on
// the middle of the picture (when the picture's size is rounded to whole
// pixels, the drawing keeps to the pixel grid).
template <typename Draw>
Picture DrawCentredTexture(std::string name, double worldWidth, double worldHeight, Draw draw) {
  const Point middle{TexturePixels(worldWidth) / 2.0 / texturePixelsPerUnit,
                     TexturePixels(worldHeight) / 2.0 / texturePixelsPerUnit};
  return DrawTexture(std::move(name), worldWidth, worldHeight,
                     [&](const CPainter& painter) { draw(painter.Within(Translation(middle))); });
}

void AddRoads(std::vector<Picture>& pictures) {
  const auto& links = RoadTextureLinks();
  for (std::size_t i = 0; i < links.size(); ++i) {
    pictures.push_back(DrawTexture("Road" + std::to_string(i), cellSize, cellSize,
                                   [&](const CPainter& p) { DrawRoadCell(p, links[i]); }));
  }
}

void AddMovingThings(std::vector<Picture>& pictures) {
  for (int kind = 0; kind < carKinds; ++kind) {
    pictures.push_back(DrawCentredTexture("Car" + std::to_string(kind), carQuadSize, carQuadSize,
                                          [&](const CPainter& p) { DrawCar(p, kind); }));
  }
  pictures.push_back(DrawCentredTexture("Frog", frogSize, frogSize, DrawFrogInPlay));
  pictures.push_back(
      DrawCentredTexture("RoadBlock", roadBlockWidth, roadBlockDepth, DrawRoadBlock));
}

// A sprite, drawn in screen pixels with its top-left corner at the origin.
template <typename Draw>
Picture DrawSprite(std::string name, int width, int height, Draw draw) {
  CCanvas canvas(width, height);
  draw(CPainter(canvas, {}));
  return {std::move(name), canvas.ToImage()};
}

void AddOverlay(std::vector<Picture>& pictures) {
  pictures.push_back(DrawSprite("Title", titleWidth, titleHeight, DrawTitle));
  for (int digit = 0; digit <= 9; ++digit) {
    pictures.push_back(DrawSprite("Digit" + std::to_string(digit), DigitWidth(digit), digitHeight,
                                  [&](const CPainter& p) { DrawDigit(p, digit); }));
  }
  for (auto [name, icon] :
       {std::pair{"FrogSaved", ScoreIcon::Saved}, std::pair{"FrogSplatted", ScoreIcon::Splatted}}) {
    pictures.push_back(DrawSprite(name, scoreIconSize, scoreIconSize,
                                  [&](const CPainter& p) { DrawScoreIcon(p, icon); }));
  }
  pictures.push_back(DrawSprite("Cursor", cursorSize, cursorSize, DrawCursor));
}

}  // namespace

std::vector<Picture> DrawPictures() {
  std::vector<Picture> pictures;
  AddOverlay(pictures);
  AddRoads(pictures);
  AddMovingThings(pictures);
  return pictures;
}

std::vector<Sound> SynthesizeSounds() {
  return {{"Jump", SynthesizeJump(soundSampleRate)}, {"Splat", SynthesizeSplat(soundSampleRate)}};
}

void WriteData(const std::filesystem::path& directory) {
  std::filesystem::create_directories(directory);
  for (const Picture& picture : DrawPictures()) {
    WriteFile(directory / (picture.name + ".bmp"), EncodeBitmap(picture.image));
  }
  for (const Sound& sound : SynthesizeSounds()) {
    WriteFile(directory / (sound.name + ".wav"), EncodeWave(sound.samples, soundSampleRate));
  }
}

}  // namespace assets
