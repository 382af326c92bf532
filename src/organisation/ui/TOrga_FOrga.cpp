#include "organisation/ui/TOrga_FOrga.h"

namespace ked {

TOrga_FOrga::TOrga_FOrga(AppContext& context, QWidget* parent) : KedWindow(context, "TOrga_FOrga", parent) {
  setWindowTitle("Organisation");
  resize(480, 320);
}

}  // namespace ked
