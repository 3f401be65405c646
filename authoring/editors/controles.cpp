#include "authoring/editors/controles.h"

#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <limits>

namespace pravo {

// ---- SpinEdit ---------------------------------------------------------------

SpinEdit::SpinEdit(int minimo, int maximo, int valor, QWidget* dono) : QSpinBox(dono) {
  setRange(minimo, maximo);
  setValue(valor);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  // A typed digit beyond the bounds must not be refused while typing.
  lineEdit()->setMaxLength(11);
}

QValidator::State SpinEdit::validate(QString& texto, int& /*pos*/) const {
  // Only signs and digits can be typed; whatever they make up is accepted and
  // interpreted by valueFromText.
  for (const QChar c : texto)
    if (!c.isDigit() && c != u'-' && c != u'+') return QValidator::Invalid;
  return QValidator::Acceptable;
}

int SpinEdit::valueFromText(const QString& texto) const {
  bool ok = false;
  const qlonglong v = texto.trimmed().toLongLong(&ok);
  if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
    return minimum();
  return static_cast<int>(std::clamp<qlonglong>(v, minimum(), maximum()));
}

void SpinEdit::fixup(QString& texto) const { texto = textFromValue(valueFromText(texto)); }

// ---- Memo -------------------------------------------------------------------

namespace {

// What one character of the memo costs against the limit: a line break is
// stored as CR LF; a pair of surrogates is one character of the code page.
int Custo(const QString& s, qsizetype i) {
  const QChar c = s[i];
  if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) return 2;
  if (c.isLowSurrogate() && i > 0 && s[i - 1].isHighSurrogate()) return 0;
  return 1;
}

}  // namespace

Memo::Memo(int limite, QWidget* dono) : QPlainTextEdit(dono), limite_(limite) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
  connect(document(), &QTextDocument::contentsChange, this,
          [this](int pos, int /*removidos*/, int inseridos) {
            if (inseridos > 0) Limita(pos, inseridos);
          });
}

int Memo::Comprimento(const QString& texto) {
  int n = 0;
  for (qsizetype i = 0; i < texto.size(); ++i) n += Custo(texto, i);
  return n;
}

void Memo::Limita(int posicao, int inseridos) {
  if (limitando_) return;
  const QString tudo = toPlainText();
  const int total = Comprimento(tudo);
  if (total <= limite_) return;
  // Keep the longest start of the inserted text that fits; the rest goes.
  const int fim = std::min<int>(posicao + inseridos, tudo.size());
  const int fora = total - Comprimento(tudo.mid(posicao, fim - posicao));
  int custo = fora;
  int corte = posicao;
  while (corte < fim) {
    const int c = Custo(tudo, corte);
    // Never keep half of a surrogate pair.
    const int extra = (tudo[corte].isHighSurrogate() && corte + 1 < fim) ? 1 : 0;
    if (custo + c > limite_) break;
    custo += c;
    corte += 1 + extra;
  }
  limitando_ = true;
  QTextCursor cursor(document());
  cursor.setPosition(corte);
  cursor.setPosition(fim, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  limitando_ = false;
  QTextCursor visivel = textCursor();
  visivel.setPosition(corte);
  setTextCursor(visivel);
}

QString Memo::Texto() const {
  QString t = toPlainText();
  t.replace(QChar::ParagraphSeparator, u'\n');
  t.replace(QChar::LineSeparator, u'\n');
  t.replace(u'\n', QStringLiteral("\r\n"));
  return t;
}

void Memo::DefineTexto(const QString& texto) {
  QString t = texto;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(u'\r', u'\n');
  // Cut to the limit, counting each break as two.
  int custo = 0;
  qsizetype i = 0;
  while (i < t.size()) {
    const int c = Custo(t, i);
    const int extra = (t[i].isHighSurrogate() && i + 1 < t.size()) ? 1 : 0;
    if (custo + c > limite_) break;
    custo += c;
    i += 1 + extra;
  }
  limitando_ = true;
  setPlainText(t.left(i));
  limitando_ = false;
}

}  // namespace pravo
