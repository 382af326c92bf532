#pragma once
#include "platform/ui/KedWindow.h"

namespace ked {

class TFMouvChoix : public KedWindow {
  Q_OBJECT
 public:
  explicit TFMouvChoix(AppContext& context, QWidget* parent = nullptr);
};

}  // namespace ked
