#pragma once
#include "platform/ui/KedWindow.h"

namespace ked {

class TFUtil_Equilibre : public KedWindow {
  Q_OBJECT
 public:
  explicit TFUtil_Equilibre(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace ked
