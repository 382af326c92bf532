#pragma once
#include "platform/ui/KedWindow.h"

namespace ked {

class TApropos : public KedWindow {
  Q_OBJECT
 public:
  explicit TApropos(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace ked
