#pragma once
// A built report: its pages laid out, ready to be previewed, printed or saved.
// Positions and sizes are in millimetres from the page's top-left corner.
#include <string>
#include <vector>

namespace ked {

struct ReportFont {
  std::string family = "DejaVu Sans";
  double size = 10;  // points
  bool bold = false, italic = false, underline = false;
  bool operator==(const ReportFont&) const = default;
};

enum class ReportAlign { Left, Center, Right };
enum class ReportVAlign { Top, Middle, Bottom };

// Sides of a text's frame, combinable.
enum ReportFrameSide : unsigned {
  FrameNone = 0,
  FrameLeft = 1u << 0,
  FrameTop = 1u << 1,
  FrameRight = 1u << 2,
  FrameBottom = 1u << 3,
  FrameAll = FrameLeft | FrameTop | FrameRight | FrameBottom,
};

struct ReportItem {
  enum class Kind { Text, Line, Frame };
  Kind kind = Kind::Text;
  // Texts and frames: the box. Lines: from (x, y) to (x + width, y + height).
  double x = 0, y = 0, width = 0, height = 0;
  std::string text;  // texts: variables already substituted, line breaks as "\n"
  ReportFont font;
  ReportAlign align = ReportAlign::Left;
  ReportVAlign valign = ReportVAlign::Top;
  unsigned frame = FrameNone;  // texts: the sides drawn around the box
  double lineWidth = 0.2;      // lines, frames and text frames, in millimetres
  bool wrap = true;            // texts: words wrap inside the box
};

struct ReportPage {
  double widthMm = 210, heightMm = 297;
  std::vector<ReportItem> items;
};

struct ReportDocument {
  std::string templatePath;
  std::string title;
  std::vector<ReportPage> pages;
};

}  // namespace ked
