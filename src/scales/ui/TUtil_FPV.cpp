#include "scales/ui/TUtil_FPV.h"

namespace ked {

TUtil_FPV::TUtil_FPV(AppContext& context, QWidget* parent) : KedWindow(context, "TUtil_FPV", parent) {
  setWindowTitle("Barème IMP / PV");
  resize(480, 320);
}

}  // namespace ked
