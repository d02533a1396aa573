// The window's font: "MS Sans Serif" at 11 pixels where it exists. Other
// sans fonts are wider, so the fallback is shrunk until every caption fits
// the fixed size of its label.
#pragma once

#include <QFont>
#include <QList>

class QLabel;

namespace torvel {

QFont FittedWindowFont(const QList<const QLabel*>& fixedLabels);

}  // namespace torvel
