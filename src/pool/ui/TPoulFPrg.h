#pragma once
#include "platform/ui/KedWindow.h"

namespace ked {

class TPoulFPrg : public KedWindow {
  Q_OBJECT
 public:
  explicit TPoulFPrg(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace ked
