// Qt backend, file names for the choosers. See file_names.h.
#include "platform/qt/file_names.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace qtbackend {
namespace {

bool IsUtf8(const char* name) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString text = decoder.decode(QByteArrayView(name));  // decodes only when it is stored
  return !decoder.hasError();
}

// The names in a folder that are not UTF-8, in the order the folder lists them.
std::vector<QByteArray> NonUtf8Names(const char* folder) {
  std::vector<QByteArray> names;
  DIR* dir = opendir(folder);
  if (!dir) return names;
  while (const dirent* entry = readdir(dir))
    if (!IsUtf8(entry->d_name)) names.emplace_back(entry->d_name);
  closedir(dir);
  return names;
}

// The names in folder (bytes; empty for the current folder) that are not UTF-8 and read as
// text, as Qt shows them or as Latin-1.
std::vector<QByteArray> NamesReadingAs(const QByteArray& folder, const QString& text) {
  std::vector<QByteArray> names = NonUtf8Names(folder.isEmpty() ? "." : folder.constData());
  std::erase_if(names, [&](const QByteArray& name) {
    return QFile::decodeName(name) != text && QString::fromLatin1(name) != text;
  });
  return names;
}

bool Exists(const QByteArray& path) {
  struct stat info;
  return lstat(path.constData(), &info) == 0;
}

}  // namespace

NameLookup LocalPathOf(const QString& path, QByteArray* bytes) {
  QByteArray result = QFile::encodeName(path);
  if (Exists(result)) {
    *bytes = result;
    return NameLookup::Found;
  }
  result = path.startsWith('/') ? "/" : "";
  const QStringList parts = path.split('/', Qt::SkipEmptyParts);
  for (int i = 0; i < parts.size(); ++i) {
    QByteArray name = QFile::encodeName(parts[i]);
    if (!Exists(result + name)) {
      const std::vector<QByteArray> names = NamesReadingAs(result, parts[i]);
      if (names.size() > 1) return NameLookup::Ambiguous;
      if (names.size() == 1) name = names.front();
    }
    result += name;
    if (i + 1 < parts.size()) result += '/';
  }
  *bytes = result;
  return NameLookup::Found;
}

std::vector<QByteArray> NamesQtCannotList(const QByteArray& folder) {
  std::vector<QByteArray> names = NonUtf8Names(folder.constData());
  std::erase_if(names, [&](const QByteArray& name) {
    struct stat info;
    return stat(folder + "/" + name, &info) == 0 && S_ISDIR(info.st_mode);
  });
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace qtbackend
