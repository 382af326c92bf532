#include "pool/ui/TPoulFPrg.h"

namespace ked {

TPoulFPrg::TPoulFPrg(AppContext& context, QWidget* parent) : KedWindow(context, "TPoulFPrg", parent) {
  setWindowTitle("Util_Ked Gestion de Poules");
  resize(480, 320);
}

}  // namespace ked
