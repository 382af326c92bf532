#pragma once
// Colours are kept as Windows colour values: red, green and blue in the low,
// middle and high bytes.
#include <QColor>
#include <QWidget>
#include <cstdint>

namespace ked::orga {

inline QColor ColourFromWindows(uint32_t value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// The background of a text field.
inline void SetFieldColour(QWidget* field, uint32_t value) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, ColourFromWindows(value));
  field->setPalette(palette);
}

}  // namespace ked::orga
