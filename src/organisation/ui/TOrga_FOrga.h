#pragma once
#include "platform/ui/KedWindow.h"

namespace ked {

class TOrga_FOrga : public KedWindow {
  Q_OBJECT
 public:
  explicit TOrga_FOrga(AppContext& context, QWidget* parent = nullptr);

  // Competition type preset by the main window's commands: the item of
  // RgType (0 "Paires", 1 "Suisse"), or -1 for no type selected.
  Q_INVOKABLE void SetCompetitionType(int item) { competitionType_ = item; }
  int competitionType() const { return competitionType_; }

 private:
  int competitionType_ = -1;
};

}  // namespace ked
