#pragma once
// A built report: its pages laid out, ready to be previewed, printed or saved.
// Positions and sizes are in millimetres from the page's top-left corner.
#include <string>
#include <vector>

namespace ked {

struct ReportItem {
  enum class Kind { Text, Line, Frame };
  Kind kind = Kind::Text;
  double x = 0, y = 0, width = 0, height = 0;
  std::string text;  // texts: variables already substituted
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
