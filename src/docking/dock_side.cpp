#include "docking/dock_side.h"

namespace tolvane::docking {

DockZone ComputeDockSide(int x, int y, int clientWidth, int clientHeight) {
  const int w = clientWidth;
  const int h = clientHeight;
  // The quotient is taken first: W/5*4 is (W/5)*4, which is what the zones are defined with.
  const int fifthW = w / 5;
  const int fifthH = h / 5;
  struct Zone {
    DockRect area;
    DockZone result;
  };
  // In the order they are tested; a zone holds the points from its left and top edge up to, not
  // including, its right and bottom edge.
  const Zone zones[] = {
      {{0, 0, fifthW, h}, {DockSide::Left, {0, 0, w / 2, h}}},
      {{fifthW, 0, fifthW * 4, fifthH}, {DockSide::Top, {0, 0, w, h / 2}}},
      {{fifthW * 4, 0, w, h}, {DockSide::Right, {w / 2, 0, w, h}}},
      {{fifthW, fifthH * 4, fifthW * 4, h}, {DockSide::Bottom, {0, h / 2, w, h}}},
      {{fifthW, fifthH, fifthW * 4, fifthH * 4},
       {DockSide::Client, {fifthW, fifthH, fifthW * 4, fifthH * 4}}},
  };
  for (const Zone& zone : zones)
    if (zone.area.contains(x, y)) return zone.result;
  return {};
}

DockSide OppositeSide(DockSide side) {
  switch (side) {
    case DockSide::Left:
      return DockSide::Right;
    case DockSide::Right:
      return DockSide::Left;
    case DockSide::Top:
      return DockSide::Bottom;
    case DockSide::Bottom:
      return DockSide::Top;
    case DockSide::None:
    case DockSide::Client:
      break;
  }
  return side;
}

DockRect PanelCatchRect(const DockRect& panel) {
  constexpr int kCatch = 10;
  return {panel.left - kCatch, panel.top - kCatch, panel.right + kCatch, panel.bottom + kCatch};
}

DockRect LeftPanelPreview(const DockRect& panel, int clientWidth) {
  return {panel.left, panel.top, panel.left + clientWidth / 3, panel.bottom};
}

DockRect BottomPanelPreview(const DockRect& panel, int clientHeight) {
  return {panel.left, panel.top - clientHeight / 3, panel.right, panel.bottom};
}

}  // namespace tolvane::docking
