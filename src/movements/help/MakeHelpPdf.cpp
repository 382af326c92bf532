// Turns the help pages of this folder into the installed PDF documents; run by
// hand after editing a page:
//   g++ -std=c++20 -fPIC MakeHelpPdf.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_help
//   QT_QPA_PLATFORM=offscreen /tmp/make_help Mouvements.html ../../../install/Mouvements.pdf
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) return 64;
  QFile page(argv[1]);
  if (!page.open(QIODevice::ReadOnly)) return 1;
  QTextDocument document;
  document.setDefaultFont(QFont("DejaVu Sans", 10));
  document.setHtml(QString::fromUtf8(page.readAll()));

  QPdfWriter pdf(argv[2]);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
  pdf.setResolution(150);
  pdf.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
  pdf.setCreator("Util_Ked");
  document.print(&pdf);
  return 0;
}
