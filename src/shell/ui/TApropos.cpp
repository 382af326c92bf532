#include "shell/ui/TApropos.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QThread>

#include "platform/ui/QtText.h"
#include "pool/Utildec.h"
#include "shell/AboutHistory.h"
#include "shell/UpdateCheck.h"

namespace ked {

// The drawing surface of the history: shows the last image copied onto it.
class HistorySurface : public QWidget {
 public:
  using QWidget::QWidget;
  void Copy(const QImage& image) {
    image_ = image;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, image_);
  }

 private:
  QImage image_;
};

namespace {
constexpr int kWidth = 420, kHeight = 300;

QPixmap Logo() {
  QPixmap logo(60, 60);
  logo.fill(Qt::transparent);
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::darkRed, 2));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(1, 1, 58, 58), 8, 8);
  QFont suit("DejaVu Sans", 22);
  p.setFont(suit);
  p.setPen(Qt::black);
  p.drawText(QRect(0, 2, 60, 36), Qt::AlignCenter, QString::fromUtf8("\u2660"));
  QFont name("Arial", 9, QFont::Bold);
  p.setFont(name);
  p.setPen(Qt::darkRed);
  p.drawText(QRect(0, 36, 60, 20), Qt::AlignCenter, "KED");
  return logo;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->move(x, y);
  label->adjustSize();
  return label;
}
}  // namespace

TApropos::TApropos(AppContext& context, QWidget* parent)
    : KedWindow(context, "TApropos", parent),
      wait_([](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }) {
  setWindowTitle(kAboutCaption);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(kWidth, kHeight);
  QPalette red = palette();
  red.setColor(QPalette::Window, Qt::red);
  setPalette(red);
  setAutoFillBackground(true);

  Image2_ = new QLabel(this);
  Image2_->setObjectName("Image2");
  Image2_->setGeometry(20, 20, 60, 60);
  Image2_->setPixmap(Logo());

  QFont large = font();
  large.setPointSize(12);
  large.setBold(true);
  nom_ = MakeLabel(this, "nom", kMakerSurname, 100, 22);
  nom_->setFont(large);
  nom_->adjustSize();
  Label1_ = MakeLabel(this, "Label1", kMakerFirstName, 100, 48);
  Label1_->setFont(large);
  Label1_->adjustSize();
  Version_ = MakeLabel(this, "Version", QString("Version : ") + ProgramVersion, 260, 48);

  Label2_ = MakeLabel(this, "Label2", "E-mail ", 20, 104);
  Label3_ = MakeLabel(this, "Label3", Q(MakerMailAddress()), 80, 104);
  QFont link = Label3_->font();
  link.setBold(true);
  link.setUnderline(true);
  Label3_->setFont(link);
  QPalette blue = Label3_->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  Label3_->setPalette(blue);
  Label3_->adjustSize();
  Label3_->installEventFilter(this);

  Memo1_ = new QTextEdit(this);
  Memo1_->setObjectName("Memo1");
  Memo1_->setReadOnly(true);
  Memo1_->setFrameShape(QFrame::NoFrame);
  Memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1_->setGeometry(20, 140, kWidth - 40, 56);
  Memo1_->setPlainText(QString::fromUtf8("Toutes critiques afin d'améliorer ce programme \n"
                                         "seront les bienvenues ainsi que les encouragements."));
  QTextCursor all(Memo1_->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  all.mergeBlockFormat(centred);

  Button1_ = new QPushButton("Historique", this);
  Button1_->setObjectName("Button1");
  Button1_->setGeometry((kWidth - 100) / 2, 222, 100, 28);
  connect(Button1_, &QPushButton::clicked, this, &TApropos::Button1Click);

  Panel1_ = new QWidget(this);
  Panel1_->setObjectName("Panel1");
  Panel1_->hide();
  PaintBox1_ = new HistorySurface(Panel1_);
  PaintBox1_->setObjectName("PaintBox1");

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

bool TApropos::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label3_) {
    switch (event->type()) {
      case QEvent::Enter:
        Label3MouseEnter();
        break;
      case QEvent::Leave:
        Label3MouseLeave();
        break;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            Label3_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
          Label3Click();
        break;
      default:
        break;
    }
  }
  return KedWindow::eventFilter(watched, event);
}

void TApropos::Label3Click() {
  if (!ctx_.platform.ShellOpen(AboutMailAddress(S(windowTitle()))))
    ctx_.platform.MessageBox(MessageKind::Warning, MailFailedMessage(), BtnYes);
}

void TApropos::Label3MouseEnter() { setCursor(Qt::PointingHandCursor); }
void TApropos::Label3MouseLeave() { unsetCursor(); }

void TApropos::Button1Click() { ScrollHistory(); }

void TApropos::ScrollHistory() {
  // The button can still be pressed from the keyboard under the panel.
  if (playing_) return;
  playing_ = true;
  Panel1_->setGeometry(rect());
  PaintBox1_->setGeometry(Panel1_->rect());
  Panel1_->raise();
  Panel1_->show();

  QImage bitmap(PaintBox1_->size(), QImage::Format_RGB32);
  bitmap.fill(Qt::white);
  QFont font("Arial", 10);
  // Without smoothing, drawing a line again in white removes every pixel of it.
  font.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics metrics(font, &bitmap);
  const std::vector<std::string>& lines = HistoryLines();
  const HistoryStage stage{bitmap.height(), metrics.height(),
                           static_cast<int>(lines.size())};

  auto drawLines = [&](int step, const QColor& color) {
    QPainter p(&bitmap);
    p.setFont(font);
    p.setPen(color);
    for (size_t i = 0; i < lines.size(); ++i) {
      const int top = stage.LineTop(static_cast<int>(i) + 1, step);
      if (top + stage.lineHeight <= 0 || top >= stage.surfaceHeight) continue;  // out of sight
      p.drawText(1, top + metrics.ascent(), Q(lines[i]));
    }
  };
  HistoryPlayer player;
  player.draw = [&](int step) {
    drawLines(step, Qt::blue);
    PaintBox1_->Copy(bitmap);
  };
  player.erase = [&](int step) {
    drawLines(step, Qt::white);
    PaintBox1_->Copy(bitmap);
  };
  player.wait = wait_;
  player.pendingEvents = [this] { ctx_.platform.ProcessPendingEvents(); };
  PlayHistory(stage, player);

  Panel1_->hide();
  playing_ = false;
}

}  // namespace ked
