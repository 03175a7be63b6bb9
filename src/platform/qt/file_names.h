// Qt backend, file names for the choosers. The program and the kernel take names as bytes; Qt
// takes them as UTF-8 text. A name that is not valid UTF-8, such as "gr\xfcn.dat" from an old
// Latin-1 archive, has no text Qt could turn back into its bytes: Qt shows such a name with
// U+FFFD in place of each bad sequence where it shows it at all, and leaves it out of folder
// listings. The choosers therefore find the file a chosen or typed text stands for on disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace qtbackend {

enum class NameLookup {
  Found,      // the bytes name the file the text stands for (or a new file of that name)
  Ambiguous,  // more than one name in one folder stands for the same text: none is taken
};

// The bytes of a path that a chooser returned. A part that exists as Qt encodes it is taken as
// it is. Otherwise its folder is searched for a name that is not UTF-8 and reads as that text,
// either as Qt shows it (U+FFFD for the bad bytes) or as Latin-1 ("grün.dat" typed for
// "gr\xfcn.dat"); a part that no name matches is a new name, encoded as Qt would.
NameLookup LocalPathOf(const QString& path, QByteArray* bytes);

// The names in a folder (bytes) that are not UTF-8 and that Qt leaves out of its lists, folders
// excepted, in byte order.
std::vector<QByteArray> NamesQtCannotList(const QByteArray& folder);

}  // namespace qtbackend
