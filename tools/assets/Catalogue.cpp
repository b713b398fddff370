#include "assets/Catalogue.h"

#include <cmath>
#include <functional>
#include <stdexcept>

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
Picture DrawTexture(double worldWidth, double worldHeight, Draw draw) {
  CCanvas canvas(TexturePixels(worldWidth), TexturePixels(worldHeight));
  draw(CPainter(canvas, {{0, 0}, texturePixelsPerUnit, 0}));
  return {"", canvas.ToImage(), worldWidth, worldHeight};
}

// A texture of something drawn centred on its painter's origin, which lies on
// the middle of the picture (when the picture's size is rounded to whole
// pixels, the drawing keeps to the pixel grid).
template <typename Draw>
Picture DrawCentredTexture(double worldWidth, double worldHeight, Draw draw) {
  const Point middle{TexturePixels(worldWidth) / 2.0 / texturePixelsPerUnit,
                     TexturePixels(worldHeight) / 2.0 / texturePixelsPerUnit};
  return DrawTexture(worldWidth, worldHeight,
                     [&](const CPainter& painter) { draw(painter.Within(Translation(middle))); });
}

// A sprite, drawn in screen pixels with its top-left corner at the origin.
template <typename Draw>
Picture DrawSprite(int width, int height, Draw draw) {
  CCanvas canvas(width, height);
  draw(CPainter(canvas, {}));
  return {"", canvas.ToImage()};
}

// How to draw the picture of one name.
struct Recipe {
  std::string name;
  std::function<Picture()> draw;
};

void AddOverlay(std::vector<Recipe>& recipes) {
  recipes.push_back({"Title", [] { return DrawSprite(titleWidth, titleHeight, DrawTitle); }});
  for (int digit = 0; digit <= 9; ++digit) {
    recipes.push_back({"Digit" + std::to_string(digit), [digit] {
                         return DrawSprite(DigitWidth(digit), digitHeight,
                                           [&](const CPainter& p) { DrawDigit(p, digit); });
                       }});
  }
  for (auto [name, icon] :
       {std::pair{"FrogSaved", ScoreIcon::Saved}, std::pair{"FrogSplatted", ScoreIcon::Splatted}}) {
    recipes.push_back({name, [icon = icon] {
                         return DrawSprite(scoreIconSize, scoreIconSize,
                                           [&](const CPainter& p) { DrawScoreIcon(p, icon); });
                       }});
  }
  recipes.push_back({"Cursor", [] { return DrawSprite(cursorSize, cursorSize, DrawCursor); }});
}

void AddRoads(std::vector<Recipe>& recipes) {
  const auto& links = RoadTextureLinks();
  for (std::size_t i = 0; i < links.size(); ++i) {
    recipes.push_back({"Road" + std::to_string(i), [&links, i] {
                         return DrawTexture(cellSize, cellSize,
                                            [&](const CPainter& p) { DrawRoadCell(p, links[i]); });
                       }});
  }
}

void AddMovingThings(std::vector<Recipe>& recipes) {
  for (int kind = 0; kind < carKinds; ++kind) {
    recipes.push_back({"Car" + std::to_string(kind), [kind] {
                         return DrawCentredTexture(carQuadSize, carQuadSize,
                                                   [&](const CPainter& p) { DrawCar(p, kind); });
                       }});
  }
  recipes.push_back(
      {"Frog", [] { return DrawCentredTexture(frogSize, frogSize, DrawFrogInPlay); }});
  recipes.push_back({"RoadBlock", [] {
                       return DrawCentredTexture(roadBlockWidth, roadBlockDepth, DrawRoadBlock);
                     }});
}

Picture FromRecipe(const Recipe& recipe) {
  Picture picture = recipe.draw();
  picture.name = recipe.name;
  return picture;
}

const std::vector<Recipe>& Recipes() {
  static const std::vector<Recipe> recipes = [] {
    std::vector<Recipe> all;
    AddOverlay(all);
    AddRoads(all);
    AddMovingThings(all);
    return all;
  }();
  return recipes;
}

}  // namespace

std::vector<std::string> PictureNames() {
  std::vector<std::string> names;
  for (const Recipe& recipe : Recipes()) names.push_back(recipe.name);
  return names;
}

Picture DrawPicture(const std::string& name) {
  for (const Recipe& recipe : Recipes()) {
    if (recipe.name == name) return FromRecipe(recipe);
  }
  throw std::invalid_argument("no picture is called " + name);
}

std::vector<Picture> DrawPictures() {
  std::vector<Picture> pictures;
  for (const Recipe& recipe : Recipes()) pictures.push_back(FromRecipe(recipe));
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
