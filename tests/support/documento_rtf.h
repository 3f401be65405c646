// A rich-text document described line by line: each paragraph with its
// format, list and place in a table, each run of text with its attributes,
// each picture with its bytes and size.  Two documents that show the same
// give the same description, so tests compare descriptions and a failure
// shows the line that differs.  Attributes a format leaves unset count as
// the document's defaults.
#pragma once

#include <QCryptographicHash>
#include <QHash>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include "platform/rtf/escritor.h"
#include "platform/rtf/leitor.h"

namespace apoio {

namespace detalhe {

inline QString Num(double v) { return QString::number(v, 'f', 2); }

inline QString Cor(const QBrush& b) {
  return b.style() == Qt::NoBrush ? QStringLiteral("-") : b.color().name();
}

inline QString Caracteres(const QTextCharFormat& f, const QTextDocument& doc) {
  const QStringList familias = f.fontFamilies().toStringList();
  QString familia = familias.isEmpty() ? f.stringProperty(QTextFormat::FontFamily) : familias.first();
  if (familia.isEmpty()) familia = doc.defaultFont().family();
  double pontos = f.fontPointSize() > 0 ? f.fontPointSize() : doc.defaultFont().pointSizeF();
  if (f.fontPointSize() <= 0 && f.intProperty(QTextFormat::FontPixelSize) > 0)
    pontos = f.intProperty(QTextFormat::FontPixelSize) * 72.0 / platform::DpiDocumento();
  return QStringLiteral("%1 %2pt%3%4%5%6 cor=%7 fundo=%8 va=%9 caixa=%10 charset=%11")
      .arg(familia, Num(pontos), f.fontWeight() > QFont::Medium ? " negrito" : "",
           f.fontItalic() ? " italico" : "", f.fontUnderline() ? " sublinhado" : "",
           f.fontStrikeOut() ? " riscado" : "", Cor(f.foreground()), Cor(f.background()))
      .arg(int(f.verticalAlignment()))
      .arg(int(f.fontCapitalization()))
      .arg(f.intProperty(platform::rtf::kCharset));
}

inline QString Figura(const QTextImageFormat& f) {
  QStringList medidas;
  for (int m : f.property(platform::rtf::kFiguraMedidas).value<QList<int>>()) medidas << QString::number(m);
  for (int m : f.property(platform::rtf::kFiguraBitmap).value<QList<int>>()) medidas << QString::number(m);
  const QByteArray dados = f.property(platform::rtf::kFiguraDados).toByteArray();
  return QStringLiteral("  figura %1x%2 %3 %4 bytes %5 [%6]")
      .arg(Num(f.width()), Num(f.height()), f.property(platform::rtf::kFiguraTipo).toString())
      .arg(dados.size())
      .arg(QString::fromLatin1(QCryptographicHash::hash(dados, QCryptographicHash::Md5).toHex().left(8)),
           medidas.join(' '));
}

class Descricao {
 public:
  explicit Descricao(const QTextDocument& doc) : doc_(doc) {}

  QString Texto() {
    Quadro(doc_.rootFrame(), QString());
    return linhas_.join('\n');
  }

 private:
  void Quadro(QTextFrame* quadro, const QString& lugar) {
    for (auto it = quadro->begin(); !it.atEnd(); ++it) {
      if (auto* tabela = qobject_cast<QTextTable*>(it.currentFrame())) {
        Tabela(tabela);
      } else if (QTextFrame* outro = it.currentFrame()) {
        Quadro(outro, lugar);
      } else {
        Bloco(it.currentBlock(), lugar);
      }
    }
  }

  void Tabela(QTextTable* t) {
    const QTextTableFormat tf = t->format();
    QStringList larguras, bordas;
    for (const QTextLength& l : tf.columnWidthConstraints())
      larguras << QStringLiteral("%1:%2").arg(int(l.type())).arg(Num(l.rawValue()));
    for (int x : tf.property(platform::rtf::kBordasCelulasTwips).value<QList<int>>()) bordas << QString::number(x);
    linhas_ << QStringLiteral("tabela %1x%2 borda=%3 espaco=%4 larguras=[%5] bordas=[%6]")
                   .arg(t->rows())
                   .arg(t->columns())
                   .arg(Num(tf.border()), Num(tf.cellPadding()), larguras.join(' '), bordas.join(' '));
    for (int r = 0; r < t->rows(); ++r)
      for (int c = 0; c < t->columns(); ++c) {
        const QTextTableCell celula = t->cellAt(r, c);
        const QString lugar = QStringLiteral("[%1,%2] ").arg(r).arg(c);
        linhas_ << lugar + QStringLiteral("celula fundo=%1").arg(Cor(celula.format().background()));
        for (auto it = celula.begin(); !it.atEnd(); ++it)
          if (it.currentFrame()) Quadro(it.currentFrame(), lugar);
          else Bloco(it.currentBlock(), lugar);
      }
    linhas_ << QStringLiteral("fim da tabela");
  }

  void Bloco(const QTextBlock& b, const QString& lugar) {
    const QTextBlockFormat bf = b.blockFormat();
    const platform::RecuosRTF r = platform::RecuosDe(b);
    QStringList tabs;
    for (const QTextOption::Tab& t : bf.tabPositions())
      tabs << QStringLiteral("%1:%2").arg(int(t.type)).arg(Num(t.position));
    Qt::Alignment h = bf.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    if (h == Qt::AlignLeading || h == 0) h = Qt::AlignLeft;
    if (h == Qt::AlignTrailing) h = Qt::AlignRight;
    QString linha = lugar + QStringLiteral("paragrafo alin=%1 li=%2 fi=%3 ri=%4 margem=%5 antes=%6 depois=%7 "
                                           "linha=%8:%9 tabs=[%10] quebra=%11")
                                .arg(int(h))
                                .arg(r.esquerdo)
                                .arg(r.primeiraLinha)
                                .arg(r.direito)
                                .arg(Num(bf.leftMargin()), Num(bf.topMargin()), Num(bf.bottomMargin()))
                                .arg(bf.lineHeightType())
                                .arg(Num(bf.lineHeight()), tabs.join(' '))
                                .arg(int(bf.pageBreakPolicy()));
    if (const QTextList* lista = b.textList()) {
      const QTextListFormat lf = lista->format();
      int& n = listas_[lista];
      if (n == 0) n = int(listas_.size());
      linha += QStringLiteral(" lista#%1 estilo=%2 nivel=%3 \"%4\"\"%5\"")
                   .arg(n)
                   .arg(int(lf.style()))
                   .arg(lf.indent())
                   .arg(lf.numberPrefix(), lf.numberSuffix());
    }
    linhas_ << linha;
    bool vazio = true;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment fr = it.fragment();
      vazio = false;
      if (fr.charFormat().isImageFormat()) {
        for (qsizetype i = 0; i < fr.text().size(); ++i) linhas_ << lugar + Figura(fr.charFormat().toImageFormat());
        continue;
      }
      linhas_ << lugar + QStringLiteral("  \"%1\" %2").arg(fr.text(), Caracteres(fr.charFormat(), doc_));
    }
    const QTextTable* tabela = qobject_cast<const QTextTable*>(QTextCursor(b).currentFrame());
    const bool inicioCelula = tabela && tabela->cellAt(b.position()).firstPosition() == b.position();
    if (vazio && !inicioCelula) linhas_ << lugar + QStringLiteral("  marca ") + Caracteres(b.charFormat(), doc_);
  }

  const QTextDocument& doc_;
  QStringList linhas_;
  QHash<const QTextList*, int> listas_;
};

}  // namespace detalhe

inline QString DescreveDocumento(const QTextDocument& doc) { return detalhe::Descricao(doc).Texto(); }

}  // namespace apoio
