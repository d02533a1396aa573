#include "app/file_names.h"

namespace torvel {

QString FolderPart(const QString& path) { return path.left(path.lastIndexOf('/') + 1); }

QString WrappedFileName(const QString& inputPath) {
  const qsizetype nameStart = inputPath.lastIndexOf('/') + 1;
  const qsizetype dot = inputPath.lastIndexOf('.');
  // A "." in a folder name ("/jobs.old/job") is not an extension.
  const QString stem = dot >= nameStart ? inputPath.left(dot) : inputPath;
  return stem + " Wrapped.nc";
}

}  // namespace torvel
