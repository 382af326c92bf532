#include "movements/ui/TFMouvChoix.h"

namespace ked {

TFMouvChoix::TFMouvChoix(AppContext& context, QWidget* parent) : KedWindow(context, "TFMouvChoix", parent) {
  setWindowTitle("Mouvements Inter-séances");
  resize(480, 320);
}

}  // namespace ked
