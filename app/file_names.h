// File-name rules of the Browse buttons. Paths use "/" as Qt gives them.
#pragma once

#include <QString>

namespace torvel {

// The folder part of a path with its trailing "/"; empty when the path has
// no folder part.
QString FolderPart(const QString& path);

// The output name offered for an input file: its extension (from the last
// "." of the file-name part) replaced by " Wrapped.nc", or " Wrapped.nc"
// appended when the name has no extension.
QString WrappedFileName(const QString& inputPath);

}  // namespace torvel
