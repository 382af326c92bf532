#include "report/ui/BuildProgressWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include "platform/ui/QtText.h"

namespace ked {

namespace {

class BuildProgressWindow : public ReportBuildProgress {
 public:
  BuildProgressWindow(const std::string& title, int showAfterMs)
      : dialog_(QApplication::activeWindow()), showAfterMs_(showAfterMs) {
    dialog_.setObjectName("BuildProgressWindow");
    dialog_.setWindowTitle(Q(title));
    dialog_.setLabelText("Construction de l'état...");
    dialog_.setCancelButtonText("Annuler");
    dialog_.setRange(0, 0);  // the number of pages is not known beforehand
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.reset();  // stops its own show timer: Step decides when to show
    clock_.start();
  }

  bool Step(int pages) override {
    dialog_.setLabelText(QString("Construction de l'état : page %1").arg(pages));
    if (!dialog_.isVisible() && clock_.elapsed() >= showAfterMs_) dialog_.show();
    // Lets the window paint and its button be clicked while the build runs.
    if (dialog_.isVisible()) QApplication::processEvents();
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
  QElapsedTimer clock_;
  int showAfterMs_;
};

}  // namespace

std::unique_ptr<ReportBuildProgress> MakeBuildProgressWindow(const std::string& title,
                                                             int showAfterMs) {
  return std::make_unique<BuildProgressWindow>(title, showAfterMs);
}

}  // namespace ked
