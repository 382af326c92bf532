#pragma once
#include "platform/ui/KedWindow.h"

namespace ked {

class TUtil_FPV : public KedWindow {
  Q_OBJECT
 public:
  explicit TUtil_FPV(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace ked
