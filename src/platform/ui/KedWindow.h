#pragma once
// A secondary window: created once at start, then only shown and hidden.
#include <QWidget>

#include "platform/ui/AppContext.h"

namespace ked {

class KedWindow : public QWidget {
  Q_OBJECT
 public:
  KedWindow(AppContext& context, const char* objectName, QWidget* parent = nullptr)
      : QWidget(parent, Qt::Window), ctx_(context) {
    setObjectName(objectName);
  }

 protected:
  AppContext& ctx_;
};

}  // namespace ked
