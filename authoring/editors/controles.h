// The standard controls the record editors are built from, with the
// behaviour teachers know from the original editors: a spin edit that takes
// any typed number and brings it within its bounds, a memo whose line breaks
// count two characters, and the radio group with an item index.
#pragma once

#include <QPlainTextEdit>
#include <QSpinBox>
#include <QString>
#include <QStringList>

#include "platform/grupo_radio.h"

namespace pravo {

// A spin edit: holds an integer within its bounds.  Any digits may be typed;
// a value outside the bounds is brought to the nearer bound when the field is
// left, and a text that is not a number (empty, "-", too long) reads as the
// lower bound.
class SpinEdit : public QSpinBox {
  Q_OBJECT
 public:
  SpinEdit(int minimo, int maximo, int valor, QWidget* dono = nullptr);

 protected:
  QValidator::State validate(QString& texto, int& pos) const override;
  int valueFromText(const QString& texto) const override;
  void fixup(QString& texto) const override;
};

// A memo limited to a number of characters.  A line break is part of the text
// and counts two characters (carriage return and line feed); Texto() gives the
// text with CR LF breaks, as it is stored.
class Memo : public QPlainTextEdit {
  Q_OBJECT
 public:
  Memo(int limite, QWidget* dono = nullptr);

  int limite() const { return limite_; }
  // The text with CR LF line breaks.
  QString Texto() const;
  // Shows a stored text (CR LF, CR or LF breaks), cut to the limit.
  void DefineTexto(const QString& texto);
  // The length that counts against the limit.
  static int Comprimento(const QString& textoDoMemo);

 private:
  void Limita(int posicao, int inseridos);

  int limite_;
  bool limitando_ = false;
};

// The radio group both programs use (platform/grupo_radio.h).
class GrupoRadio : public platform::GrupoRadio {
  Q_OBJECT
 public:
  using platform::GrupoRadio::GrupoRadio;
};

}  // namespace pravo
