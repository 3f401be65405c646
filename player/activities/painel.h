// The panels of the activity boards: a coloured box with a centred caption
// and bevels, that can be clicked, dragged and dropped on.  A panel keeps its
// own colours when disabled (a letter already played stays red, not grey).
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

class QDropEvent;

namespace zelmo {

class Painel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(int Tag READ tag WRITE setTag)
 public:
  enum class Chanfro { Nenhum, Alto, Baixo };

  explicit Painel(QWidget* pai, const QString& nome = {});

  QString caption() const { return caption_; }
  void setCaption(const QString& texto);
  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }
  uint32_t cor() const { return cor_; }
  void setCor(uint32_t cor);            // stored colour value (blue in the high byte)
  uint32_t corFonte() const { return corFonte_; }
  void setCorFonte(uint32_t cor);
  void setChanfros(Chanfro externo, Chanfro interno);

  // A press and move drags the panel (automatic drag mode).
  void setArrastavel(bool sim) { arrastavel_ = sim; }
  // Whether a panel dragged over this one may be dropped here.
  std::function<bool(Painel* alvo, QObject* origem)> aoArrastarSobre;
  // A panel was dropped here.  Called once the drag has ended, so that it
  // may play sounds, wait and open messages.
  std::function<void(Painel* alvo, QObject* origem)> aoSoltar;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  bool Aceita(QObject* origem);
  // The panel being dragged.
  QObject* Origem(const QDropEvent* e) const;

  QString caption_;
  int tag_ = 0;
  uint32_t cor_ = 0xC0C0C0;
  uint32_t corFonte_ = 0;
  Chanfro externo_ = Chanfro::Alto;
  Chanfro interno_ = Chanfro::Nenhum;
  bool arrastavel_ = false;
  bool pressionado_ = false;
  QPoint inicio_;
};

// The MIME type of a dragged panel (the drop reads the source widget).
inline constexpr const char* kMimePainel = "application/x-zelmo-painel";

}  // namespace zelmo
