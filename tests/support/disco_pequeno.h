// A really full disk: a small file system (a tmpfs) mounted in a temporary
// folder for one test, filled on request.  Mounting needs root (or the right
// to mount); where it cannot be done, montado() is false and motivo() says
// why, so the test can skip with that message.
#pragma once

#include <QString>

namespace apoio {

class DiscoPequeno {
 public:
  explicit DiscoPequeno(int kilobytes = 256);
  ~DiscoPequeno();
  DiscoPequeno(const DiscoPequeno&) = delete;
  DiscoPequeno& operator=(const DiscoPequeno&) = delete;

  bool montado() const { return montado_; }
  const QString& motivo() const { return motivo_; }
  // The mounted folder, ending in "/".
  QString caminho() const { return pasta_ + "/"; }
  // Fills every free block with a file of its own ("enchimento"), so that
  // the next write of even one byte to a new block fails with a full disk.
  void Enche() const;
  // Removes that file again.
  void Esvazia() const;

 private:
  QString pasta_;
  QString motivo_;
  bool montado_ = false;
};

}  // namespace apoio
