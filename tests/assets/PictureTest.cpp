#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
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

// The pixels of the image within the rectangle that have the colour.
int Count(const CImage& image, Rgb colour, int left = 0, int top = 0, int right = 1 << 20,
          int bottom = 1 << 20) {
  int count = 0;
  for (int y = top; y < std::min(bottom, image.Height()); ++y) {
    for (int x = left; x < std::min(right, image.Width()); ++x) count += image.At(x, y) == colour;
  }
  return count;
}

const Rgb ground{84, 165, 67};

// At rest the game shows a world unit as about 5.09 pixels and samples
// textures without filtering, so a texture near its quad's size keeps its
// detail. Road tiles and the title are opaque throughout; everything else
// stands on transparent surroundings, opaque in the middle unless hollow, and
// cars and road blocks cast shadows.
TEST(Pictures, SizesAndKeyColours) {
  for (const std::string& name : assets::PictureNames()) {
    SCOPED_TRACE(name);
    const CImage& image = Image(name);
    const double quad = name == "Frog"             ? 2
                        : name == "RoadBlock"      ? 4.6
                        : name.starts_with("Road") ? 8
                        : name.starts_with("Car")  ? 5
                                                   : 0;
    ASSERT_EQ(quad > 0, PictureNamed(name).IsTexture());
    EXPECT_TRUE(quad == 0 || std::abs(quad * 5.09 - image.Width()) < image.Width() * 0.1);
    const int keyed = Count(image, keyTransparent) + Count(image, keyShadow);
    if ((name.starts_with("Road") && name != "RoadBlock") || name == "Title") {
      EXPECT_EQ(0, keyed);
      continue;
    }
    const int right = image.Width() - 1, bottom = image.Height() - 1;
    for (auto [x, y] : {std::pair{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
      EXPECT_EQ(keyTransparent, image.At(x, y)) << x << ", " << y;
    }
    const Rgb middle = image.At(right / 2, bottom / 2);
    const bool hollow = name.starts_with("Digit") || name == "FrogSplatted" || name == "Cursor";
    EXPECT_TRUE(hollow || !(middle == keyTransparent || middle == keyShadow));
    EXPECT_TRUE(!(name.starts_with("Car") || name == "RoadBlock") || Count(image, keyShadow) > 0);
  }
  // The cursor is drawn centred on the mouse: an odd size puts a pixel there.
  EXPECT_EQ(1, Image("Cursor").Width() % 2 & Image("Cursor").Height() % 2);
  // The best result is drawn in a band of the title: icons at x 200 and 600,
  // numbers from x 250 and 650.
  EXPECT_EQ(724 * (assets::bestResultBottom - assets::bestResultTop),
            Count(Image("Title"), Rgb{255, 255, 254}, 150, assets::bestResultTop, 874,
                  assets::bestResultBottom));
  for (auto [a, b] : {std::pair{"Car0", "Car1"}, {"Car1", "Car2"}, {"Car0", "Car2"}}) {
    int different = 0;
    for (int y = 0; y < Image(a).Height(); ++y) {
      for (int x = 0; x < Image(a).Width(); ++x)
        different += !(Image(a).At(x, y) == Image(b).At(x, y));
    }
    EXPECT_GT(different, 100) << a << " and " << b;
  }
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
    if (host.LoadTexture(tlib::TString::Format(u"Road%d", i)) == game.RoadTextureFor(exits)) {
      return Image("Road" + std::to_string(i));
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
