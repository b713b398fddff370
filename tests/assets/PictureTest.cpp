#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "SeededStuff.h"
#include "SimulationHost.h"
#include "assets/Catalogue.h"
#include "assets/TitleArt.h"
#include "game/Game.h"

using assets::CImage;
using assets::keyShadow;
using assets::keyTransparent;
using assets::Rgb;

namespace {

// Each picture is drawn once, when a test first looks at it.
const assets::Picture& PictureNamed(const std::string& name) {
  static std::map<std::string, assets::Picture> drawn;
  auto found = drawn.find(name);
  if (found == drawn.end()) found = drawn.emplace(name, assets::DrawPicture(name)).first;
  return found->second;
}

const CImage& Image(const std::string& name) { return PictureNamed(name).image; }

int Count(const CImage& image, Rgb colour) {
  int count = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) count += image.At(x, y) == colour;
  }
  return count;
}

bool IsKey(Rgb colour) { return colour == keyTransparent || colour == keyShadow; }

const Rgb ground{84, 165, 67};

// The world size of the quad the game draws a texture on; none for a sprite.
std::optional<std::pair<double, double>> QuadOf(const std::string& name) {
  if (name == "Frog") return std::pair{2.0, 2.0};
  if (name == "RoadBlock") return std::pair{4.6, 1.5};
  if (name.starts_with("Road")) return std::pair{8.0, 8.0};
  if (name.starts_with("Car")) return std::pair{5.0, 5.0};
  return std::nullopt;
}

TEST(Pictures, HaveTheirSizesOnScreen) {
  // At rest the game shows a world unit as about 5.09 pixels and samples
  // textures without filtering, so a texture near that size keeps its detail.
  for (const std::string& name : assets::PictureNames()) {
    SCOPED_TRACE(name);
    const CImage& image = Image(name);
    const auto quad = QuadOf(name);
    ASSERT_EQ(quad.has_value(), PictureNamed(name).IsTexture());
    if (quad) {
      EXPECT_NEAR(quad->first * 5.09, image.Width(), image.Width() * 0.1);
      EXPECT_NEAR(quad->second * 5.09, image.Height(), image.Height() * 0.1);
    }
  }
  EXPECT_EQ(1024, Image("Title").Width());
  EXPECT_EQ(768, Image("Title").Height());
  for (int digit = 0; digit <= 9; ++digit) {
    const CImage& image = Image("Digit" + std::to_string(digit));
    EXPECT_EQ(32, image.Height());
    EXPECT_TRUE(image.Width() >= 16 && image.Width() <= 28) << digit;
  }
  for (const char* icon : {"FrogSaved", "FrogSplatted"}) {
    EXPECT_EQ(40, Image(icon).Width());
    EXPECT_EQ(40, Image(icon).Height());
  }
  // The cursor is drawn centred on the mouse: an odd size puts a pixel there.
  EXPECT_EQ(1, Image("Cursor").Width() % 2);
  EXPECT_EQ(1, Image("Cursor").Height() % 2);
}

// Road tiles and the title are opaque throughout; everything else stands on
// transparent surroundings, opaque in the middle unless hollow, and cars and
// road blocks cast shadows.
TEST(Pictures, UseTheKeyColoursOnlyWhereMeant) {
  for (const std::string& name : assets::PictureNames()) {
    SCOPED_TRACE(name);
    const CImage& image = Image(name);
    if (name.starts_with("Road") && name != "RoadBlock") {
      EXPECT_EQ(0, Count(image, keyTransparent) + Count(image, keyShadow));
      continue;
    }
    if (name == "Title") continue;
    const int right = image.Width() - 1, bottom = image.Height() - 1;
    for (auto [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
      EXPECT_EQ(keyTransparent, image.At(x, y)) << x << ", " << y;
    }
    const bool hollow = name.starts_with("Digit") || name == "FrogSplatted" || name == "Cursor";
    EXPECT_TRUE(hollow || !IsKey(image.At(right / 2, bottom / 2)));
    const bool castsShadow = name.starts_with("Car") || name == "RoadBlock";
    EXPECT_TRUE(!castsShadow || Count(image, keyShadow) > 0);
  }
  EXPECT_EQ(0, Count(Image("Title"), keyTransparent) + Count(Image("Title"), keyShadow));
}

TEST(Pictures, ThreeDifferentCars) {
  for (auto [a, b] : {std::pair{"Car0", "Car1"}, {"Car1", "Car2"}, {"Car0", "Car2"}}) {
    int different = 0;
    for (int y = 0; y < Image(a).Height(); ++y) {
      for (int x = 0; x < Image(a).Width(); ++x)
        different += !(Image(a).At(x, y) == Image(b).At(x, y));
    }
    EXPECT_GT(different, 100) << a << " and " << b;
  }
}

TEST(Pictures, TitleLeavesTheBestResultBandEmpty) {
  // The best result is drawn there: icons at x 200 and 600, numbers from x 250 and 650.
  const CImage& title = Image("Title");
  int marked = 0;
  for (int y = assets::bestResultTop; y < assets::bestResultBottom; ++y) {
    for (int x = 150; x < 874; ++x) marked += !(title.At(x, y) == Rgb{255, 255, 254});
  }
  EXPECT_EQ(0, marked);
}

int Difference(Rgb a, Rgb b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// The tile the game lays on a cell with these links.
const CImage& TileFor(const CellExits& exits) {
  static CSeededStuff random(1);
  static CSimulationHost host(random);
  static CGame game(&host);
  for (int i = 0; i < CGame::roadTextureCount; ++i) {
    const std::string name = "Road" + std::to_string(i);
    if (host.LoadTexture(tlib::TString::Format(u"Road%d", i)) == game.RoadTextureFor(exits)) {
      return Image(name);
    }
  }
  throw std::logic_error("no road tile");
}

TEST(Pictures, RoadTilesShowTheLinksTheGameLaysThemForAndJoinWithoutSeams) {
  const CImage& straightAcross = TileFor({0, 0, 1, 1});
  const CImage& straightAlong = TileFor({1, 1, 0, 0});
  for (int links = 0; links < 16; ++links) {
    // West, east, north, south; a tile of its own for two links or more.
    const bool linked[4] = {(links & 1) != 0, (links & 2) != 0, (links & 4) != 0, (links & 8) != 0};
    if (std::count(linked, linked + 4, true) < 2) continue;
    const CImage& tile = TileFor({linked[0], linked[1], linked[2], linked[3]});
    const int last = tile.Width() - 1;
    for (int side = 0; side < 4; ++side) {
      SCOPED_TRACE("links " + std::to_string(links) + " side " + std::to_string(side));
      // A linked edge is the straight road's edge, any other plain ground.
      const CImage& straight = side < 2 ? straightAlong : straightAcross;
      int worst = 0;
      for (int i = 0; i <= last; ++i) {
        const int x = side == 0 ? 0 : side == 1 ? last : i;
        const int y = side == 2 ? 0 : side == 3 ? last : i;
        worst =
            std::max(worst, Difference(tile.At(x, y), linked[side] ? straight.At(x, y) : ground));
        EXPECT_TRUE(i != last / 2 || linked[side] == !(tile.At(x, y) == ground));
      }
      EXPECT_LE(worst, 8);
    }
  }
}

}  // namespace
