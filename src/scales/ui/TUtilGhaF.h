#pragma once
#include "platform/ui/KedWindow.h"

namespace ked {

class TUtilGhaF : public KedWindow {
  Q_OBJECT
 public:
  explicit TUtilGhaF(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace ked
