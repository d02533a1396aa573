// Dropping one file on the window does what picking it with the first
// Browse button does.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "app/torvel_form.h"

namespace torvel {
namespace {

// The one local file being dragged, or an empty text.
QString DraggedFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return {};
  const QList<QUrl> urls = mime->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
  const QString path = urls.first().toLocalFile();
  return QFileInfo(path).isDir() ? QString() : path;
}

}  // namespace

void TTorvelForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TTorvelForm::dropEvent(QDropEvent* event) {
  const QString path = DraggedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  Guarded([&] { UseInputFile(path); });
}

}  // namespace torvel
