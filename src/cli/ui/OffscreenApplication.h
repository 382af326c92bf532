#pragma once
// The Qt application of the sub-commands that draw (PDF files), without a
// display: offscreen unless QT_QPA_PLATFORM names another platform, and with a
// private runtime folder when the session has none, so that Qt warns of nothing.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

namespace ked::cli {

class OffscreenApplication {
 public:
  OffscreenApplication();
  ~OffscreenApplication();
  OffscreenApplication(const OffscreenApplication&) = delete;
  OffscreenApplication& operator=(const OffscreenApplication&) = delete;

 private:
  // Made before the application and removed after it.
  std::unique_ptr<QTemporaryDir> runtimeDir_;
  // QGuiApplication keeps references to these for its whole life.
  int argc_ = 1;
  char name_[8] = "ked-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace ked::cli
