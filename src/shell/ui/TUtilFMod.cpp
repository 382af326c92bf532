#include "shell/ui/TUtilFMod.h"

namespace ked {

TUtilFMod::TUtilFMod(AppContext& context, QWidget* parent) : KedWindow(context, "TUtilFMod", parent) {
  setWindowTitle("Configuration pour le Comité");
  resize(480, 320);
}

}  // namespace ked
