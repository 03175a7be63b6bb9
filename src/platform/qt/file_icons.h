// Qt backend, the icons and type names the choosers show, from file names and kinds alone.
// Qt's own provider guesses a file's type by reading its first bytes, on the GUI thread for the
// type column: a FIFO without a writer, /proc/kmsg or a file on a hung network mount then
// blocks the whole program, and a read of /proc/kmsg even takes kernel messages away.
#pragma once

#include <QFileIconProvider>
#include <QMimeDatabase>

namespace qtbackend {

class NameOnlyIconProvider : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;

 private:
  QMimeDatabase mimeTypes_;
};

}  // namespace qtbackend
