// Build-time tool: turns the help text (HTML) into the PDF that the Help
// button opens. Runs without a display (QT_QPA_PLATFORM=offscreen).
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s HELP.html OUTPUT.pdf\n", argv[0]);
    return 2;
  }
  QFile html(QString::fromLocal8Bit(argv[1]));
  if (!html.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const QString pdfPath = QString::fromLocal8Bit(argv[2]);
  QFile::remove(pdfPath);
  {
    QTextDocument document;
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setHtml(QString::fromUtf8(html.readAll()));

    QPdfWriter writer(pdfPath);
    writer.setTitle("G Code Torvel Help");
    writer.setCreator("G Code Torvel Program");
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    document.print(&writer);
  }
  if (QFileInfo(pdfPath).size() == 0) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
