// The help documents of install/ from their pages in docs/help/ (HTML in, PDF
// out: A4, 18 mm margins, DejaVu Sans 10 unless the page says otherwise, the
// page's <title> as the document's title). Run by hand after editing a page:
//   g++ -std=c++20 -fPIC tools/MakeHelpPdf.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_help_pdf
//   for page in Mouvements Mouvements_Speciaux Equilibrage; do
//     QT_QPA_PLATFORM=offscreen /tmp/make_help_pdf docs/help/$page.html install/$page.pdf
//   done
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) return 64;
  QFile page(QString::fromLocal8Bit(argv[1]));
  if (!page.open(QIODevice::ReadOnly)) return 1;
  QTextDocument document;
  document.setDefaultFont(QFont("DejaVu Sans", 10));
  document.setHtml(QString::fromUtf8(page.readAll()));

  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
  pdf.setResolution(150);
  pdf.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
  pdf.setCreator("Util_Ked");
  document.print(&pdf);
  return 0;
}
