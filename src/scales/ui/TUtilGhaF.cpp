#include "scales/ui/TUtilGhaF.h"

namespace ked {

TUtilGhaF::TUtilGhaF(AppContext& context, QWidget* parent) : KedWindow(context, "TUtilGhaF", parent) {
  setWindowTitle("GaNa");
  resize(480, 320);
}

}  // namespace ked
