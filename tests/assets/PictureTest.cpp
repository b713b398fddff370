#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "assets/Catalogue.h"
#include "assets/TitleArt.h"

using assets::CImage;
using assets::keyShadow;
using assets::keyTransparent;
using assets::Picture;
using assets::Rgb;

namespace {

// Each picture is drawn once, when a test first looks at it.
const Picture& PictureNamed(const std::string& name) {
  static std::map<std::string, Picture> drawn;
  auto found = drawn.find(name);
  if (found == drawn.end()) found = drawn.emplace(name, assets::DrawPicture(name)).first;
  return found->second;
}

const CImage& Image(const std::string& name) { return PictureNamed(name).image; }

int Count(const CImage& image, Rgb colour) {
  int count = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) count += image.At(x, y) == colour ? 1 : 0;
  }
  return count;
}

Rgb Middle(const CImage& image) { return image.At(image.Width() / 2, image.Height() / 2); }

std::vector<std::string> Numbered(const std::string& stem, int last) {
  std::vector<std::string> names;
  for (int i = 0; i <= last; ++i) names.push_back(stem + std::to_string(i));
  return names;
}

const Rgb ground{84, 165, 67};

TEST(Pictures, HaveTheirSizesOnScreen) {
  struct Texture {
    std::string name;
    double worldWidth, worldHeight;
  };
  std::vector<Texture> textures = {{"Frog", 2, 2}, {"RoadBlock", 4.6, 1.5}};
  for (const std::string& road : Numbered("Road", 10)) textures.push_back({road, 8, 8});
  for (const std::string& car : Numbered("Car", 2)) textures.push_back({car, 5, 5});
  // At rest the game shows a world unit as about 5.09 pixels and samples
  // textures without filtering, so a texture near that size keeps its detail.
  for (const Texture& texture : textures) {
    SCOPED_TRACE(texture.name);
    const CImage& image = Image(texture.name);
    EXPECT_NEAR(texture.worldWidth * 5.09, image.Width(), image.Width() * 0.1);
    EXPECT_NEAR(texture.worldHeight * 5.09, image.Height(), image.Height() * 0.1);
  }
  EXPECT_EQ(1024, Image("Title").Width());
  EXPECT_EQ(768, Image("Title").Height());
  for (const std::string& name : Numbered("Digit", 9)) {
    EXPECT_EQ(32, Image(name).Height()) << name;
    EXPECT_TRUE(Image(name).Width() >= 16 && Image(name).Width() <= 28) << name;
  }
  for (const char* icon : {"FrogSaved", "FrogSplatted"}) {
    EXPECT_EQ(40, Image(icon).Width());
    EXPECT_EQ(40, Image(icon).Height());
  }
  // The cursor is drawn centred on the mouse: an odd size puts a pixel there.
  EXPECT_EQ(1, Image("Cursor").Width() % 2);
  EXPECT_EQ(1, Image("Cursor").Height() % 2);
}

TEST(Pictures, UseTheKeyColoursOnlyWhereMeant) {
  // Road tiles and the title are opaque throughout.
  std::vector<std::string> opaque = Numbered("Road", 10);
  opaque.push_back("Title");
  for (const std::string& name : opaque) {
    EXPECT_EQ(0, Count(Image(name), keyTransparent) + Count(Image(name), keyShadow)) << name;
  }
  // Things stand on transparent surroundings, are opaque in the middle, and
  // cars and road blocks cast shadows.
  std::vector<std::string> things = Numbered("Digit", 9);
  for (const char* name :
       {"Car0", "Car1", "Car2", "Frog", "RoadBlock", "FrogSaved", "FrogSplatted", "Cursor"}) {
    things.push_back(name);
  }
  for (const std::string& name : things) {
    SCOPED_TRACE(name);
    const CImage& image = Image(name);
    const int right = image.Width() - 1, bottom = image.Height() - 1;
    for (auto [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
      EXPECT_EQ(keyTransparent, image.At(x, y)) << x << ", " << y;
    }
    const bool hollowMiddle =
        name.starts_with("Digit") || name == "FrogSplatted" || name == "Cursor";
    EXPECT_TRUE(hollowMiddle || !(Middle(image) == keyTransparent || Middle(image) == keyShadow));
    const bool castsShadow = name.starts_with("Car") || name == "RoadBlock";
    EXPECT_TRUE(!castsShadow || Count(image, keyShadow) > 0);
  }
}

TEST(Pictures, ThreeDifferentCars) {
  for (auto [a, b] : {std::pair{"Car0", "Car1"}, {"Car1", "Car2"}, {"Car0", "Car2"}}) {
    int different = 0;
    for (int y = 0; y < Image(a).Height(); ++y) {
      for (int x = 0; x < Image(a).Width(); ++x)
        different += Image(a).At(x, y) == Image(b).At(x, y) ? 0 : 1;
    }
    EXPECT_GT(different, 100) << a << " and " << b;
  }
}

TEST(Pictures, TitleLeavesTheBestResultBandEmpty) {
  // The best result is drawn there: icons at x 200 and 600, numbers from x 250 and 650.
  const CImage& title = Image("Title");
  const Rgb background{255, 255, 254};
  int marked = 0;
  for (int y = assets::bestResultTop; y < assets::bestResultBottom; ++y) {
    for (int x = 150; x < 874; ++x) marked += title.At(x, y) == background ? 0 : 1;
  }
  EXPECT_EQ(0, marked);
}

int Difference(Rgb a, Rgb b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

TEST(Pictures, RoadTilesShowTheirConnectionsAndJoinWithoutSeams) {
  // West, east, north, south, as each texture serves them in the game.
  const bool links[11][4] = {{0, 0, 1, 1}, {1, 1, 0, 0}, {0, 1, 1, 0}, {1, 0, 1, 0},
                             {0, 1, 0, 1}, {1, 0, 0, 1}, {0, 1, 1, 1}, {1, 1, 1, 0},
                             {1, 0, 1, 1}, {1, 1, 0, 1}, {1, 1, 1, 1}};
  for (int t = 0; t <= 10; ++t) {
    const CImage& tile = Image("Road" + std::to_string(t));
    const int last = tile.Width() - 1;
    for (int side = 0; side < 4; ++side) {
      SCOPED_TRACE("Road" + std::to_string(t) + " side " + std::to_string(side));
      // A linked edge is the straight road's edge, any other plain ground.
      const CImage& straight = Image(side < 2 ? "Road1" : "Road0");
      int worst = 0;
      for (int i = 0; i <= last; ++i) {
        const int x = side == 0 ? 0 : side == 1 ? last : i;
        const int y = side == 2 ? 0 : side == 3 ? last : i;
        worst =
            std::max(worst, Difference(tile.At(x, y), links[t][side] ? straight.At(x, y) : ground));
        EXPECT_TRUE(i != last / 2 || links[t][side] == !(tile.At(x, y) == ground));
      }
      EXPECT_LE(worst, 8);
    }
  }
}

}  // namespace
