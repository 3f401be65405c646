// The pictures of the gallows and its figure: our own vector drawings, each
// drawn into its box of the 640 x 480 design and stretched with it.  The
// parts are laid over the gallows and shown or hidden, never redrawn.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include "player/activities/rules/jogo_palavras.h"

class QPainter;

namespace zelmo {

enum class ParteForca { Forca, Banco, Cabeca, Corpo, Braco1, Braco2, Perna1, Perna2, Ossos };

class DesenhoForca : public QWidget {
  Q_OBJECT
 public:
  DesenhoForca(QWidget* pai, ParteForca parte, const QString& nome);
  ParteForca parte() const { return parte_; }

  // The design box of each part (left, top, width x height).
  static QRect Caixa(ParteForca parte);
  // Draws the part in its design units (0, 0 .. width x height of its box).
  static void Desenha(QPainter& p, ParteForca parte);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  ParteForca parte_;
};

// The nine pictures of a window, created in drawing order (gallows first).
struct ImagensForca {
  DesenhoForca* imgForca = nullptr;
  DesenhoForca* imgBanco = nullptr;
  DesenhoForca* imgCab1 = nullptr;
  DesenhoForca* imgCorpo = nullptr;
  DesenhoForca* imgBra1 = nullptr;
  DesenhoForca* imgBra2 = nullptr;
  DesenhoForca* imgPer1 = nullptr;
  DesenhoForca* imgPer2 = nullptr;
  DesenhoForca* imgOssos = nullptr;

  void Cria(QWidget* janela);
  void Mostra(const regras::Figura& f);
  regras::Figura Mostrada() const;
};

}  // namespace zelmo
