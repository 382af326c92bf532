#pragma once
// Controls keep their component name as object name.
#include <QString>

namespace ked::orga {

template <class W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace ked::orga
