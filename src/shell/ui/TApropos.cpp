#include "shell/ui/TApropos.h"

namespace ked {

TApropos::TApropos(AppContext& context, QWidget* parent) : KedWindow(context, "TApropos", parent) {
  setWindowTitle("A propos");
  resize(480, 320);
}

}  // namespace ked
