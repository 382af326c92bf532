#include "balancing/ui/TFUtil_Equilibre.h"

namespace ked {

TFUtil_Equilibre::TFUtil_Equilibre(AppContext& context, QWidget* parent) : KedWindow(context, "TFUtil_Equilibre", parent) {
  setWindowTitle("Serpentin Optimisé");
  resize(480, 320);
}

}  // namespace ked
