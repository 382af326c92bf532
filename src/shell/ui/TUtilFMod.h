#pragma once
#include "platform/ui/KedWindow.h"

namespace ked {

class TUtilFMod : public KedWindow {
  Q_OBJECT
 public:
  explicit TUtilFMod(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace ked
