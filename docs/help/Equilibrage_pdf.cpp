// Builds install/Equilibrage.pdf from Equilibrage.html, by hand:
//   g++ -std=c++20 -fPIC Equilibrage_pdf.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/help_pdf
//   QT_QPA_PLATFORM=offscreen /tmp/help_pdf Equilibrage.html ../../install/Equilibrage.pdf
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) return 64;
  QFile source(argv[1]);
  if (!source.open(QIODevice::ReadOnly)) return 1;
  QTextDocument document;
  document.setHtml(QString::fromUtf8(source.readAll()));
  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
  pdf.setTitle("Equilibrage des sections");
  pdf.setCreator("Util_Ked");
  document.print(&pdf);
  return 0;
}
