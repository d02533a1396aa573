// The window opens 480 by 416 pixels, frame included, at the centre of the
// screen.
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "app/torvel_form.h"

namespace torvel {
namespace {

constexpr QSize kOuterSize(480, 416);

}  // namespace

void TTorvelForm::PlaceOnScreen() {
  // The frame is known only once the window manager has framed the window;
  // before that (and on platforms without frames) it counts as zero.
  const QSize frame = frameGeometry().size() - geometry().size();
  resize(kOuterSize - frame);
  if (const QScreen* s = screen()) {
    const QPoint centre = s->availableGeometry().center();
    move(centre.x() - kOuterSize.width() / 2, centre.y() - kOuterSize.height() / 2);
  }
}

void TTorvelForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placed_ || event->spontaneous()) return;
  placed_ = true;
  QTimer::singleShot(0, this, [this] { PlaceOnScreen(); });
}

}  // namespace torvel
