#pragma once

// Where a dockable window lands when it is dropped: the drop zones of a tool window and the
// preview rectangles of the main window's dock panels. Plain integer geometry, so that the rules
// can be checked without a window system.
namespace tolvane::docking {

enum class DockSide { None, Top, Bottom, Left, Right, Client };

// A rectangle from (left, top) to (right, bottom); the right column and the bottom row are
// outside it.
struct DockRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
  bool operator==(const DockRect&) const = default;
};

struct DockZone {
  DockSide side = DockSide::None;
  DockRect preview;  // where the dropped window would go, in the same coordinates as the point
};

// The zone of a client area (clientWidth x clientHeight, point in client coordinates) that holds
// the point: the left fifth, the top and bottom fifths between them, the right fifth, and the
// middle (Client). A point outside the client area, or an empty client area, gives None and an
// empty rectangle.
DockZone ComputeDockSide(int x, int y, int clientWidth, int clientHeight);

// The side seen from the other window: left and right, top and bottom swapped; None and Client
// stay.
DockSide OppositeSide(DockSide side);

// A dock panel catches a drop within 10 pixels around it, so that a collapsed panel (0 wide or
// high) still accepts one.
DockRect PanelCatchRect(const DockRect& panel);
// The preview of a drop into the left panel: from the panel's top-left corner a third of the main
// window's client width to the right, down to the panel's bottom edge.
DockRect LeftPanelPreview(const DockRect& panel, int clientWidth);
// The preview of a drop into the bottom panel: from a third of the main window's client height
// above the panel's top-left corner to the panel's bottom-right corner.
DockRect BottomPanelPreview(const DockRect& panel, int clientHeight);

}  // namespace tolvane::docking
