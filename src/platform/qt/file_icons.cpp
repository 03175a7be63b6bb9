// Qt backend, chooser icons and types without reading files. See file_icons.h.
#include "platform/qt/file_icons.h"

#include <QFileInfo>

namespace qtbackend {

// Only what stat tells: a folder, the root, or anything else as a plain file.
QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
  if (info.isRoot()) return icon(Drive);
  return icon(info.isDir() ? Folder : File);
}

// A regular file's type comes from its name's extension; folders, links and special files get
// the base provider's words, which it finds without opening them.
QString NameOnlyIconProvider::type(const QFileInfo& info) const {
  if (info.isRoot() || !info.isFile()) return QFileIconProvider::type(info);
  const QMimeType mime = mimeTypes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
  return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

}  // namespace qtbackend
