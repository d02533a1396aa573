#include "app/form_font.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

namespace torvel {
namespace {

constexpr int kDesignPixels = 11;  // 8 points at 96 dots per inch
constexpr int kSmallestPixels = 8;

bool Fits(const QFontMetrics& metrics, const QLabel& label) {
  const QRect box = label.geometry();
  if (!label.wordWrap()) return metrics.horizontalAdvance(label.text()) <= box.width();
  const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 10000),
                                            Qt::TextWordWrap | label.alignment(), label.text());
  return needed.width() <= box.width() && needed.height() <= box.height();
}

}  // namespace

QFont FittedWindowFont(const QList<const QLabel*>& fixedLabels) {
  QFont font;
  // Narrow sans fonts first: they come closest to the design's widths.
  font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans Condensed",
                    "Liberation Sans Narrow", "Liberation Sans", "Arial"});
  font.setStyleHint(QFont::SansSerif);
  for (int pixels = kDesignPixels; pixels > kSmallestPixels; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetrics metrics(font);
    bool all = true;
    for (const QLabel* label : fixedLabels) all = all && Fits(metrics, *label);
    if (all) return font;
  }
  font.setPixelSize(kSmallestPixels);
  return font;
}

}  // namespace torvel
