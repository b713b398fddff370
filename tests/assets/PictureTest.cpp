#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "assets/Catalogue.h"
#include "assets/RoadArt.h"
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

bool IsKey(Rgb colour) { return colour == keyTransparent || colour == keyShadow; }

int Count(const CImage& image, Rgb colour) {
  int count = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) count += image.At(x, y) == colour ? 1 : 0;
  }
  return count;
}

Rgb Middle(const CImage& image) { return image.At(image.Width() / 2, image.Height() / 2); }

bool CornersTransparent(const CImage& image) {
  const int right = image.Width() - 1, bottom = image.Height() - 1;
  return image.At(0, 0) == keyTransparent && image.At(right, 0) == keyTransparent &&
         image.At(0, bottom) == keyTransparent && image.At(right, bottom) == keyTransparent;
}

std::vector<std::string> Numbered(const std::string& stem, int last) {
  std::vector<std::string> names;
  for (int i = 0; i <= last; ++i) names.push_back(stem + std::to_string(i));
  return names;
}

std::vector<std::string> Textures() {
  std::vector<std::string> names = Numbered("Road", 10);
  for (const std::string& car : Numbered("Car", 2)) names.push_back(car);
  names.push_back("Frog");
  names.push_back("RoadBlock");
  return names;
}

TEST(Pictures, TexturesAreDrawnAtAboutTheirSizeOnScreen) {
  // At rest the game shows a world unit as about 5.09 pixels and samples
  // textures without filtering, so a texture near that size keeps its detail.
  for (const std::string& name : Textures()) {
    const Picture& picture = PictureNamed(name);
    SCOPED_TRACE(name);
    ASSERT_TRUE(picture.IsTexture());
    EXPECT_NEAR(picture.worldWidth * 5.09, picture.image.Width(), picture.image.Width() * 0.1);
    EXPECT_NEAR(picture.worldHeight * 5.09, picture.image.Height(), picture.image.Height() * 0.1);
  }
  EXPECT_EQ(8.0, PictureNamed("Road0").worldWidth);
  EXPECT_EQ(5.0, PictureNamed("Car0").worldWidth);
  EXPECT_EQ(2.0, PictureNamed("Frog").worldWidth);
  EXPECT_EQ(4.6, PictureNamed("RoadBlock").worldWidth);
  EXPECT_EQ(1.5, PictureNamed("RoadBlock").worldHeight);
}

TEST(Pictures, SpritesHaveTheirScreenSizes) {
  for (const char* sprite : {"Title", "Digit0", "FrogSaved", "FrogSplatted", "Cursor"}) {
    EXPECT_FALSE(PictureNamed(sprite).IsTexture()) << sprite;
  }
  EXPECT_EQ(1024, Image("Title").Width());
  EXPECT_EQ(768, Image("Title").Height());
  for (const std::string& name : Numbered("Digit", 9)) {
    SCOPED_TRACE(name);
    EXPECT_EQ(32, Image(name).Height());
    EXPECT_GE(Image(name).Width(), 16);
    EXPECT_LE(Image(name).Width(), 28);
  }
  for (const char* icon : {"FrogSaved", "FrogSplatted"}) {
    EXPECT_EQ(40, Image(icon).Width());
    EXPECT_EQ(40, Image(icon).Height());
  }
  // The cursor is drawn centred on the mouse: an odd size puts a pixel there.
  EXPECT_EQ(1, Image("Cursor").Width() % 2);
  EXPECT_EQ(1, Image("Cursor").Height() % 2);
  EXPECT_FALSE(IsKey(Middle(Image("Cursor"))));
}

TEST(Pictures, RoadTilesAreOpaqueThroughout) {
  for (const std::string& name : Numbered("Road", 10)) {
    SCOPED_TRACE(name);
    EXPECT_EQ(0, Count(Image(name), keyTransparent));
    EXPECT_EQ(0, Count(Image(name), keyShadow));
  }
}

TEST(Pictures, ThingsStandOnTransparentSurroundings) {
  std::vector<std::string> things = Numbered("Car", 2);
  for (const char* name : {"Frog", "RoadBlock"}) things.push_back(name);
  for (const std::string& name : Numbered("Digit", 9)) things.push_back(name);
  for (const char* name : {"FrogSaved", "FrogSplatted", "Cursor"}) things.push_back(name);
  for (const std::string& name : things) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(CornersTransparent(Image(name)));
  }
  for (const char* name : {"Car0", "Car1", "Car2", "Frog", "RoadBlock", "FrogSaved"}) {
    EXPECT_FALSE(IsKey(Middle(Image(name)))) << name;
  }
}

TEST(Pictures, CarsAndRoadBlocksCastShadows) {
  for (const char* name : {"Car0", "Car1", "Car2", "RoadBlock"}) {
    EXPECT_GT(Count(Image(name), keyShadow), 0) << name;
  }
}

TEST(Pictures, UnknownNamesAreRefused) {
  EXPECT_THROW(assets::DrawPicture("Road11"), std::invalid_argument);
  EXPECT_THROW(assets::DrawPicture("frog"), std::invalid_argument);
}

TEST(Pictures, ThreeDifferentCars) {
  EXPECT_FALSE(Middle(Image("Car0")) == Middle(Image("Car1")));
  std::vector<int> differences;
  for (auto [a, b] : {std::pair{"Car0", "Car1"}, {"Car1", "Car2"}, {"Car0", "Car2"}}) {
    int different = 0;
    for (int y = 0; y < Image(a).Height(); ++y) {
      for (int x = 0; x < Image(a).Width(); ++x)
        different += Image(a).At(x, y) == Image(b).At(x, y) ? 0 : 1;
    }
    EXPECT_GT(different, 100) << a << " and " << b;
  }
}

TEST(Pictures, TitleIsOpaqueAndLeavesTheBestResultBandEmpty) {
  const CImage& title = Image("Title");
  EXPECT_EQ(0, Count(title, keyTransparent));
  EXPECT_EQ(0, Count(title, keyShadow));
  // The best result is drawn at y 600 to 640: icons at x 200 and 600, numbers
  // from x 250 and 650.
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

// The worst difference along one edge between a tile and what must meet it
// there: the straight road's edge if the tile links that way, else plain ground.
int EdgeMismatch(const CImage& tile, int side, bool linked) {
  const CImage& straight = Image(side < 2 ? "Road1" : "Road0");
  const Rgb ground{84, 165, 67};
  const int last = tile.Width() - 1;
  int worst = 0;
  for (int i = 0; i <= last; ++i) {
    int x = side == 0 ? 0 : side == 1 ? last : i;
    int y = side == 2 ? 0 : side == 3 ? last : i;
    worst = std::max(worst, Difference(tile.At(x, y), linked ? straight.At(x, y) : ground));
  }
  return worst;
}

TEST(Pictures, RoadTilesJoinWithoutSeams) {
  const auto& links = assets::RoadTextureLinks();
  for (std::size_t t = 0; t < links.size(); ++t) {
    const CImage& tile = Image("Road" + std::to_string(t));
    const bool sides[] = {links[t].west, links[t].east, links[t].north, links[t].south};
    for (int side = 0; side < 4; ++side) {
      EXPECT_LE(EdgeMismatch(tile, side, sides[side]), 8) << "Road" << t << " side " << side;
    }
  }
}

TEST(Pictures, RoadTilesShowTheirConnections) {
  // West, east, north, south, as each texture serves them in the game.
  const bool expected[11][4] = {{0, 0, 1, 1}, {1, 1, 0, 0}, {0, 1, 1, 0}, {1, 0, 1, 0},
                                {0, 1, 0, 1}, {1, 0, 0, 1}, {0, 1, 1, 1}, {1, 1, 1, 0},
                                {1, 0, 1, 1}, {1, 1, 0, 1}, {1, 1, 1, 1}};
  const Rgb ground{84, 165, 67};
  for (int t = 0; t <= 10; ++t) {
    const CImage& tile = Image("Road" + std::to_string(t));
    const int middle = tile.Width() / 2, last = tile.Width() - 1;
    const Rgb edgeMiddles[] = {tile.At(0, middle), tile.At(last, middle), tile.At(middle, 0),
                               tile.At(middle, last)};
    for (int side = 0; side < 4; ++side) {
      EXPECT_EQ(expected[t][side], !(edgeMiddles[side] == ground))
          << "Road" << t << " side " << side;
    }
  }
}

}  // namespace
