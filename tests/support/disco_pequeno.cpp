#include "support/disco_pequeno.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace apoio {

DiscoPequeno::DiscoPequeno(int kilobytes) {
  QByteArray molde = QFile::encodeName(QDir::tempPath() + "/zelmo-disco-XXXXXX");
  if (!::mkdtemp(molde.data())) {
    motivo_ = QStringLiteral("no temporary folder: ") + QString::fromLocal8Bit(std::strerror(errno));
    return;
  }
  pasta_ = QFile::decodeName(molde);
  const QByteArray opcoes = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
  if (::mount("tmpfs", molde.constData(), "tmpfs", MS_NOSUID | MS_NODEV, opcoes.constData()) != 0) {
    motivo_ = QStringLiteral("cannot mount a small tmpfs for a full disk: ") +
              QString::fromLocal8Bit(std::strerror(errno));
    return;
  }
  montado_ = true;
}

DiscoPequeno::~DiscoPequeno() {
  if (montado_) ::umount2(QFile::encodeName(pasta_).constData(), MNT_DETACH);
  if (!pasta_.isEmpty()) QDir(pasta_).removeRecursively();
}

void DiscoPequeno::Enche() const {
  const int fd = ::open(QFile::encodeName(caminho() + "enchimento").constData(),
                        O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return;
  const QByteArray bloco(4096, 'e');
  while (::write(fd, bloco.constData(), bloco.size()) > 0) {
  }
  while (::write(fd, bloco.constData(), 1) > 0) {  // the last bytes of a block
  }
  ::close(fd);
}

void DiscoPequeno::Esvazia() const { QFile::remove(caminho() + "enchimento"); }

}  // namespace apoio
