// Qt backend, chooser icons and types without reading files. See file_icons.h.
#include "platform/qt/file_icons.h"

#include <QFileInfo>

namespace qtbackend {

// Only what stat tells: a folder, the root, or anything else as a plain file.
QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
  if (info.isRoot()) return icon(Drive);
  return icon(info.isDir() ? Folder : File);
}

// A regular file's type comes from its name's extension, in the words of the shared MIME
// database (Japanese under the program's locale). Qt's own words for the other kinds have no
// Japanese translation, so they are named here as a Japanese Windows names them; a link leading
// nowhere and the special files (FIFOs, sockets, devices) have no kind a user would know.
QString NameOnlyIconProvider::type(const QFileInfo& info) const {
  if (info.isRoot()) return QStringLiteral("ドライブ");
  if (info.isDir()) return QStringLiteral("ファイル フォルダー");
  if (!info.isFile())
    return info.isSymLink() ? QStringLiteral("ショートカット") : QStringLiteral("不明");
  const QMimeType mime = mimeTypes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
  // An extension the database does not know reads as Windows words it ("DAT ファイル"), which
  // says more than the database's "unknown".
  if (mime.isDefault()) {
    const QString suffix = info.suffix().toUpper();
    return suffix.isEmpty() ? QStringLiteral("ファイル") : suffix + QStringLiteral(" ファイル");
  }
  return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

}  // namespace qtbackend
