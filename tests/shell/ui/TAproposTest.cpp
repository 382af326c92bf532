#include "shell/ui/TApropos.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "shell/UpdateCheck.h"
#include "support/FakePlatform.h"

namespace ked {
namespace {

class TAproposTest : public ::testing::Test {
 protected:
  test::FakePlatform platform;
  AppContext ctx{platform, "/opt/util_ked/", LocaleFormat::French(), {}};
  TApropos window{ctx};

  template <class T>
  T* Control(const char* name) {
    T* control = window.findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
};

TEST_F(TAproposTest, ShowsTheMakerTheVersionAndTheLink) {
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("A propos d'Util Ked"));
  EXPECT_EQ(Control<QLabel>("Version")->text(), "Version : 13.23.12");
  EXPECT_EQ(Control<QLabel>("Label2")->text(), "E-mail ");
  QLabel* link = Control<QLabel>("Label3");
  EXPECT_EQ(link->text().toStdString(), MakerMailAddress());
  EXPECT_TRUE(link->font().bold());
  EXPECT_TRUE(link->font().underline());
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_FALSE(Control<QLabel>("nom")->text().isEmpty());
  EXPECT_FALSE(Control<QLabel>("Label1")->text().isEmpty());
  EXPECT_EQ(Control<QLabel>("Image2")->pixmap().size(), QSize(60, 60));
  QTextEdit* memo = Control<QTextEdit>("Memo1");
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->toPlainText(), QString::fromUtf8("Toutes critiques afin d'améliorer ce programme \n"
                                                   "seront les bienvenues ainsi que les encouragements."));
  EXPECT_EQ(Control<QPushButton>("Button1")->text(), "Historique");
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(Qt::red));
  EXPECT_FALSE(Control<QWidget>("Panel1")->isVisibleTo(&window));
}

TEST_F(TAproposTest, TheMailLinkWritesToTheMakerAndSaysWhenNoMailerAnswers) {
  window.show();
  QLabel* link = Control<QLabel>("Label3");
  for (bool opened : {true, false}) {
    platform.Clear();
    platform.shellOpenResult = opened;
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(platform.Count("ShellOpen"), 1u);
    EXPECT_EQ(platform.CallsOf("ShellOpen")[0].text,
              "mailto:" + MakerMailAddress() + "?subject=A propos d'Util Ked");
    const auto boxes = platform.CallsOf("MessageBox");
    if (opened) {
      EXPECT_TRUE(boxes.empty());
    } else {
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0].kind, MessageKind::Warning);
      EXPECT_EQ(boxes[0].buttons, BtnYes);
      EXPECT_EQ(boxes[0].text,
                "Le courier électronique par défaut\r\rn'est pas installé correctement");
    }
  }
}

TEST_F(TAproposTest, ThePointerOnTheLinkTurnsTheWholeWindowsCursorIntoTheHand) {
  window.show();
  QLabel* link = Control<QLabel>("Label3");
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(link, &enter);
  EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(Control<QLabel>("Version")->cursor().shape(), Qt::PointingHandCursor);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

// Rows of the image holding a pixel of the history's blue.
std::pair<int, int> BlueRows(const QImage& image) {
  int first = -1, last = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == QColor(Qt::blue)) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

TEST_F(TAproposTest, TheHistoryRisesOnePixelPerStepAndHoldsItsLastImage) {
  QFont arial("Arial", 10);
  QImage probe(1, 1, QImage::Format_RGB32);
  const int lineHeight = QFontMetrics(arial, &probe).height();
  ASSERT_GT(lineHeight, 0);
  const int text = 58 * lineHeight;

  struct Case {
    int surfaceHeight;
    int steps;
  };
  const Case cases[] = {{300, text}, {text + 150, text + 150}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.surfaceHeight);
    window.setFixedSize(420, c.surfaceHeight);
    window.show();
    platform.pendingEventRuns = 0;
    std::vector<int> waits;
    QImage held;
    bool panelShownWhileHeld = false;
    window.SetWait([&](int ms) {
      waits.push_back(ms);
      if (ms == 2000) {
        QWidget* surface = Control<QWidget>("PaintBox1");
        held = surface->grab().toImage();
        panelShownWhileHeld = Control<QWidget>("Panel1")->isVisible();
      }
    });
    QTest::mouseClick(Control<QPushButton>("Button1"), Qt::LeftButton);

    ASSERT_EQ(waits.size(), static_cast<size_t>(c.steps) + 1);
    EXPECT_EQ(std::count(waits.begin(), waits.end(), 55), c.steps);
    EXPECT_EQ(waits.back(), 2000);
    EXPECT_EQ(platform.pendingEventRuns, c.steps);  // events run between every two steps
    EXPECT_TRUE(panelShownWhileHeld);
    EXPECT_FALSE(Control<QWidget>("Panel1")->isVisible());
    ASSERT_EQ(held.height(), c.surfaceHeight);  // the surface covers the whole window
    const auto [top, bottom] = BlueRows(held);
    if (c.surfaceHeight < text) {
      // Ends with the six empty lines at the bottom: line 52 is the lowest text.
      EXPECT_GE(bottom, c.surfaceHeight - 7 * lineHeight);
      EXPECT_LT(bottom, c.surfaceHeight - 6 * lineHeight);
    } else {
      // The first line at the top.
      EXPECT_GE(top, 0);
      EXPECT_LT(top, lineHeight);
      EXPECT_LT(bottom, 52 * lineHeight);
    }
  }
}

}  // namespace
}  // namespace ked
