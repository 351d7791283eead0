#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <utility>

#include "docking/dock_side.h"

namespace tolvane::docking {

void PrintTo(const DockRect& r, std::ostream* out) {
  *out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

struct ZoneCase {
  const char* name;
  int x, y, width, height;
  DockSide side;
  DockRect preview;
};

// 284 x 364 is the tags list window: neither side divides by 5, so (W/5)*4 = 224 differs from
// W*4/5 = 227, and (H/5)*4 = 288 from 291; the rows at 224..226 and 288..290 tell them apart.
constexpr ZoneCase kZones[] = {
    {"top-left corner is left", 0, 0, 284, 364, DockSide::Left, {0, 0, 142, 364}},
    {"last column of the left fifth", 55, 363, 284, 364, DockSide::Left, {0, 0, 142, 364}},
    {"first column after the left fifth is top", 56, 0, 284, 364, DockSide::Top, {0, 0, 284, 182}},
    {"last point of the top zone", 223, 71, 284, 364, DockSide::Top, {0, 0, 284, 182}},
    {"right zone starts at (W/5)*4", 224, 40, 284, 364, DockSide::Right, {142, 0, 284, 364}},
    {"right zone, not top, below W*4/5", 226, 10, 284, 364, DockSide::Right, {142, 0, 284, 364}},
    {"bottom-right corner is right", 283, 363, 284, 364, DockSide::Right, {142, 0, 284, 364}},
    {"bottom zone starts at (H/5)*4", 56, 288, 284, 364, DockSide::Bottom, {0, 182, 284, 364}},
    {"bottom, not client, above H*4/5", 150, 289, 284, 364, DockSide::Bottom, {0, 182, 284, 364}},
    {"first point of the middle", 56, 72, 284, 364, DockSide::Client, {56, 72, 224, 288}},
    {"last point of the middle", 223, 287, 284, 364, DockSide::Client, {56, 72, 224, 288}},
    {"odd sizes halve downwards", 3, 3, 569, 143, DockSide::Left, {0, 0, 284, 143}},
    {"editor-sized middle", 300, 70, 569, 143, DockSide::Client, {113, 28, 452, 112}},
    {"right edge is outside", 284, 100, 284, 364, DockSide::None, {}},
    {"bottom edge is outside", 100, 364, 284, 364, DockSide::None, {}},
    {"left of the area", -1, 100, 284, 364, DockSide::None, {}},
    {"above the area", 100, -1, 284, 364, DockSide::None, {}},
    {"empty area", 0, 0, 0, 0, DockSide::None, {}},
    // Narrower than 5: the left fifth, top and bottom are empty and the right zone takes it all.
    {"tiny area is all right zone", 1, 1, 4, 4, DockSide::Right, {2, 0, 4, 4}},
};

class DockSideZones : public testing::TestWithParam<ZoneCase> {};

TEST_P(DockSideZones, GivesTheZoneAndItsPreview) {
  const ZoneCase& c = GetParam();
  const DockZone zone = ComputeDockSide(c.x, c.y, c.width, c.height);
  EXPECT_EQ(zone.side, c.side);
  EXPECT_EQ(zone.preview, c.preview);
}

INSTANTIATE_TEST_SUITE_P(Table, DockSideZones, testing::ValuesIn(kZones), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

// Every point of an area lies in a zone, and the preview it shows lies under the pointer.
TEST(DockSide, TheZonesCoverTheAreaWithoutGaps) {
  for (const auto& [w, h] : {std::pair{284, 364}, std::pair{569, 143}, std::pair{7, 9}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const DockZone zone = ComputeDockSide(x, y, w, h);
        ASSERT_NE(zone.side, DockSide::None) << x << "," << y;
        ASSERT_TRUE(zone.preview.contains(x, y)) << x << "," << y;
      }
  }
}

TEST(DockSide, PanelsCatchTenPixelsAroundEvenWhenCollapsed) {
  const DockRect collapsedLeft{0, 53, 0, 400};
  EXPECT_EQ(PanelCatchRect(collapsedLeft), (DockRect{-10, 43, 10, 410}));
  EXPECT_TRUE(PanelCatchRect(collapsedLeft).contains(9, 60));
  EXPECT_FALSE(PanelCatchRect(collapsedLeft).contains(10, 60));
  EXPECT_FALSE(PanelCatchRect(collapsedLeft).contains(-11, 60));
}

TEST(DockSide, PanelPreviewsTakeAThirdOfTheClientArea) {
  // A third by integer division: 646 / 3 = 215, 500 / 3 = 166.
  EXPECT_EQ(LeftPanelPreview({100, 153, 100, 500}, 646), (DockRect{100, 153, 315, 500}));
  EXPECT_EQ(LeftPanelPreview({100, 153, 250, 500}, 646), (DockRect{100, 153, 315, 500}));
  EXPECT_EQ(BottomPanelPreview({100, 600, 746, 600}, 500), (DockRect{100, 434, 746, 600}));
  EXPECT_EQ(BottomPanelPreview({100, 560, 746, 600}, 500), (DockRect{100, 394, 746, 600}));
}

TEST(DockSide, OppositeSideSwapsEdgesOnly) {
  constexpr std::pair<DockSide, DockSide> kPairs[] = {
      {DockSide::Left, DockSide::Right},    {DockSide::Right, DockSide::Left},
      {DockSide::Top, DockSide::Bottom},    {DockSide::Bottom, DockSide::Top},
      {DockSide::Client, DockSide::Client}, {DockSide::None, DockSide::None},
  };
  for (const auto& [side, opposite] : kPairs) EXPECT_EQ(OppositeSide(side), opposite);
}

}  // namespace
}  // namespace tolvane::docking
