// The RTF writer's structures: tables, lists and pictures.
#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "platform/rtf/interno/escritor.h"
#include "platform/rtf/interno/leitor.h"
#include "platform/rtf/leitor.h"

namespace platform::rtf_escritor {

namespace {

int Twips(double unidades) { return int(std::lround(DocParaTwips(unidades))); }

// The text width of a printed page (a Letter page less margins of an inch),
// in twips: what a table whose widths follow its text is written to fill.
constexpr int kLarguraTextoPaginaTwips = 9360;

// Every edge of a bordered table's row and cells.
const char kBordasLinha[] =
    "\\trbrdrt\\brdrs\\brdrw10\\trbrdrl\\brdrs\\brdrw10\\trbrdrb\\brdrs\\brdrw10"
    "\\trbrdrr\\brdrs\\brdrw10\\trbrdrh\\brdrs\\brdrw10\\trbrdrv\\brdrs\\brdrw10";
const char kBordasCelula[] =
    "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";

// The RTF number format of a list style (\levelnfc): 23 is a bullet.
int NumeracaoDe(QTextListFormat::Style estilo) {
  switch (estilo) {
    case QTextListFormat::ListDecimal: return 0;
    case QTextListFormat::ListUpperRoman: return 1;
    case QTextListFormat::ListLowerRoman: return 2;
    case QTextListFormat::ListUpperAlpha: return 3;
    case QTextListFormat::ListLowerAlpha: return 4;
    default: return 23;
  }
}

// The bullet a list level shows, as the reader tells the styles apart.
QString MarcadorDe(QTextListFormat::Style estilo) {
  switch (estilo) {
    case QTextListFormat::ListCircle: return QStringLiteral("o");
    case QTextListFormat::ListSquare: return QString(QChar(0x25AA));
    default: return QString(QChar(0x2022));
  }
}

int NivelDe(const QTextList* lista) { return std::clamp(lista->format().indent() - 1, 0, 8); }

// The picture's kind as the control word that names it.
const char* PalavraTipo(const QString& tipo) {
  if (tipo == u"png") return "\\pngblip";
  if (tipo == u"jpeg") return "\\jpegblip";
  if (tipo == u"dib") return "\\dibitmap0";
  if (tipo == u"wbitmap") return "\\wbitmap0";
  if (tipo == u"wmf") return "\\wmetafile8";
  if (tipo == u"emf") return "\\emfblip";
  if (tipo == u"macpict") return "\\macpict";
  if (tipo == u"pmmetafile") return "\\pmmetafile0";
  return "";
}

}  // namespace

QList<int> Escritor::BordasTwips(const QTextTable* tabela) const {
  const QTextTableFormat tf = tabela->format();
  const QList<int> lidas = tf.property(rtf::kBordasCelulasTwips).value<QList<int>>();
  // A table read without cell edges is written without them, and reads
  // back with widths that follow its text.
  if (tf.hasProperty(rtf::kBordasCelulasTwips) && lidas.isEmpty()) return {};
  const QList<QTextLength> larguras = tf.columnWidthConstraints();
  const int colunas = tabela->columns();
  // The widths of the columns that have none of their own follow the text,
  // as the table is shown; on paper the table is as wide as a page's text.
  QList<int> twips(colunas, 0);
  QList<double> livres(colunas, 0);
  int fixas = 0;
  double somaLivres = 0;
  bool seguemTexto = false;
  for (int i = 0; i < colunas; ++i) {
    const QTextLength::Type tipo = i < larguras.size() ? larguras[i].type() : QTextLength::VariableLength;
    seguemTexto = seguemTexto || (tipo == QTextLength::VariableLength && !(i < lidas.size() && lidas[i] > 0));
  }
  const QList<double> mostradas = seguemTexto ? LargurasMostradas(tabela) : QList<double>();
  for (int i = 0; i < colunas; ++i) {
    const QTextLength l = i < larguras.size() ? larguras[i] : QTextLength();
    if (l.type() == QTextLength::FixedLength)
      twips[i] = Twips(l.rawValue());
    else if (l.type() == QTextLength::PercentageLength)
      twips[i] = int(std::lround(kLarguraTextoPaginaTwips * l.rawValue() / 100));
    else
      somaLivres += livres[i] = mostradas.value(i, 1.0);
    fixas += twips[i];
  }
  const int resto = std::max(kLarguraTextoPaginaTwips - fixas, 0);
  QList<int> bordas;
  int antes = 0;
  double acumulado = 0;
  for (int i = 0; i < colunas; ++i) {
    int x = 0;
    if (i < lidas.size() && lidas[i] > antes) {
      x = lidas[i];
    } else if (livres[i] > 0) {
      // Shared out from the left, so that the rounding adds up to the page.
      const double inicio = acumulado;
      acumulado += livres[i];
      const int w = int(std::lround(resto * acumulado / somaLivres)) - int(std::lround(resto * inicio / somaLivres));
      x = antes + std::max(144, w);
    } else {
      x = antes + std::max(144, twips[i]);
    }
    bordas << x;
    antes = x;
  }
  return bordas;
}

QList<double> Escritor::LargurasMostradas(const QTextTable* tabela) const {
  // Each column from the left edge of its first cell that spans no other
  // column to the next column's; the last one to the table's right edge, as
  // far in from it as the first is from its left edge.
  const int colunas = tabela->columns();
  QAbstractTextDocumentLayout* layout = doc_.documentLayout();
  if (!layout || colunas <= 0) return {};
  QList<double> esquerdas(colunas, -1);
  for (int c = 0; c < colunas; ++c) {
    for (int r = 0; r < tabela->rows(); ++r) {
      const QTextTableCell celula = tabela->cellAt(r, c);
      if (celula.column() != c || celula.columnSpan() != 1) continue;
      esquerdas[c] = layout->blockBoundingRect(celula.firstCursorPosition().block()).left();
      break;
    }
    if (esquerdas[c] < 0) return {};
  }
  const QRectF quadro = layout->frameBoundingRect(const_cast<QTextTable*>(tabela));
  const double direita = quadro.right() - (esquerdas[0] - quadro.left());
  QList<double> larguras;
  for (int c = 0; c < colunas; ++c) {
    const double w = (c + 1 < colunas ? esquerdas[c + 1] : direita) - esquerdas[c];
    if (!(w > 0)) return {};
    larguras << w;
  }
  return larguras;
}

void Escritor::Tabela(const QTextTable* tabela) {
  const QTextTableFormat tf = tabela->format();
  const QList<int> bordas = BordasTwips(tabela);
  const bool comBordas = tf.border() > 0;
  const int gap = Twips(tf.cellPadding());
  for (int r = 0; r < tabela->rows(); ++r) {
    Palavra("\\trowd\\trgaph", gap);
    if (comBordas) Palavra(kBordasLinha);
    for (int c = 0; c < tabela->columns(); ++c) {
      const QBrush fundo = tabela->cellAt(r, c).format().background();
      if (fundo.style() != Qt::NoBrush) Palavra("\\clcbpat", IndiceCor(fundo.color()));
      if (comBordas) Palavra(kBordasCelula);
      if (c < bordas.size()) Palavra("\\cellx", bordas[c]);
    }
    out_.append("\r\n");
    for (int c = 0; c < tabela->columns(); ++c) {
      const QTextTableCell celula = tabela->cellAt(r, c);
      if (celula.row() == r && celula.column() == c) {
        Conteudo(celula.begin(), true, celula.lastCursorPosition().block(), "\\cell");
      } else {
        // A place that a spanning cell covers.
        Palavra("\\pard\\intbl\\cell");
      }
    }
    Palavra("\\row");
    out_.append("\r\n");
  }
}

void Escritor::Hex(const QByteArray& dados) {
  out_.reserve(out_.size() + dados.size() * 2 + dados.size() / 32 + 4);
  out_.append("\r\n");
  for (qsizetype i = 0; i < dados.size(); ++i) {
    const uchar b = uchar(dados[i]);
    out_.append(kHex[b >> 4]);
    out_.append(kHex[b & 15]);
    if (i % 64 == 63) out_.append("\r\n");
  }
  delimitar_ = false;
}

void Escritor::Figura(const QTextImageFormat& f) {
  QImage imagem;
  const QVariant recurso = doc_.resource(QTextDocument::ImageResource, QUrl(f.name()));
  if (recurso.canConvert<QImage>()) imagem = recurso.value<QImage>();
  else if (recurso.canConvert<QPixmap>()) imagem = recurso.value<QPixmap>().toImage();

  rtf_interno::DadosFigura d;
  d.dados = f.property(rtf::kFiguraDados).toByteArray();
  if (!d.dados.isEmpty()) {
    d.tipo = f.property(rtf::kFiguraTipo).toString();
    const QList<int> m = f.property(rtf::kFiguraMedidas).value<QList<int>>();
    if (m.size() == 6) {
      d.picw = m[0], d.pich = m[1], d.goalw = m[2], d.goalh = m[3], d.escalaX = m[4], d.escalaY = m[5];
    }
    const QList<int> bitmap = f.property(rtf::kFiguraBitmap).value<QList<int>>();
    if (bitmap.size() == 2) d.wbmBits = bitmap[0], d.wbmLarguraBytes = bitmap[1];
  } else {
    // A picture put in by other means: its image, as PNG.
    if (imagem.isNull()) return;
    QBuffer buffer(&d.dados);
    buffer.open(QIODevice::WriteOnly);
    if (!imagem.save(&buffer, "PNG")) return;
    d.tipo = QStringLiteral("png");
    d.picw = imagem.width();
    d.pich = imagem.height();
    d.goalw = Twips(imagem.width());
    d.goalh = Twips(imagem.height());
  }

  // The size it is shown at wins over the measures it came with.
  if (f.width() > 0 && f.height() > 0) {
    const bool semMedidas = d.goalw <= 0 && d.goalh <= 0 && d.picw <= 0 && d.pich <= 0;
    QSize natural;
    // Only the size its data declares is wanted: nothing larger than a
    // picture may be is decoded for it.
    if (semMedidas) rtf_interno::DecodificaFigura(d, platform::kMaiorAreaFigura, &natural);
    const QSizeF twips = rtf_interno::TamanhoFiguraTwips(d, natural);
    if (std::abs(TwipsParaDoc(twips.width()) - f.width()) > 0.5 ||
        std::abs(TwipsParaDoc(twips.height()) - f.height()) > 0.5) {
      d.goalw = Twips(f.width());
      d.goalh = Twips(f.height());
      d.escalaX = d.escalaY = 100;
    }
  }

  Simbolo("{");
  Palavra("\\pict");
  Palavra(PalavraTipo(d.tipo));
  if (d.tipo == u"wbitmap") {
    Palavra("\\wbmbitspixel", d.wbmBits);
    Palavra("\\wbmplanes1\\wbmwidthbytes", d.wbmLarguraBytes);
  }
  if (d.picw) Palavra("\\picw", d.picw);
  if (d.pich) Palavra("\\pich", d.pich);
  if (d.goalw) Palavra("\\picwgoal", d.goalw);
  if (d.goalh) Palavra("\\pichgoal", d.goalh);
  if (d.escalaX != 100) Palavra("\\picscalex", d.escalaX);
  if (d.escalaY != 100) Palavra("\\picscaley", d.escalaY);
  Hex(d.dados);
  Simbolo("}");
}

void Escritor::MarcaLista(const QTextBlock& bloco, const QTextList* lista) {
  int n = indiceLista_.value(lista, 0);
  if (n == 0) {
    listas_ << lista;
    n = int(listas_.size());
    indiceLista_.insert(lista, n);
  }
  Palavra("\\ls", n);
  Palavra("\\ilvl", NivelDe(lista));
  // The marker as text, for the readers that know no lists.
  const QTextListFormat::Style estilo = lista->format().style();
  const QString marca = NumeracaoDe(estilo) == 23 ? MarcadorDe(estilo) : lista->itemText(bloco);
  Simbolo("{");
  Palavra("\\listtext\\f0");
  Texto(marca, Codificacao::Ansi);
  Palavra("\\tab");
  Simbolo("}");
}

QByteArray Escritor::TabelaListas() {
  if (listas_.isEmpty()) return {};
  QByteArray antes;
  antes.swap(out_);
  out_.append("{\\*\\listtable");
  for (int k = 1; k <= listas_.size(); ++k) {
    const QTextListFormat lf = listas_[k - 1]->format();
    const int nfc = NumeracaoDe(lf.style());
    Palavra("\r\n{\\list\\listtemplateid", k);
    for (int nivel = 0; nivel <= NivelDe(listas_[k - 1]); ++nivel) {
      Palavra("{\\listlevel\\levelnfc", nfc);
      Palavra("\\levelnfcn", nfc);
      Palavra("\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1");
      Simbolo("{");
      Palavra("\\leveltext");
      if (nfc == 23) {
        const QString marca = MarcadorDe(lf.style());
        Byte(int(marca.size()));
        Texto(marca, Codificacao::Ansi);
        Simbolo(";}{\\levelnumbers;}");
      } else {
        Byte(int(lf.numberPrefix().size() + 1 + lf.numberSuffix().size()));
        Texto(lf.numberPrefix(), Codificacao::Ansi);
        Byte(nivel);
        Texto(lf.numberSuffix(), Codificacao::Ansi);
        Simbolo(";}{");
        Palavra("\\levelnumbers");
        Byte(int(lf.numberPrefix().size() + 1));
        Simbolo(";}");
      }
      Palavra("\\fi-360\\li", 720 * (nivel + 1));
      Simbolo("}");
    }
    Palavra("\\listid", k);
    Simbolo("}");
  }
  out_.append("}\r\n{\\*\\listoverridetable");
  for (int k = 1; k <= listas_.size(); ++k) {
    Palavra("{\\listoverride\\listid", k);
    Palavra("\\listoverridecount0\\ls", k);
    Simbolo("}");
  }
  out_.append("}\r\n");
  antes.swap(out_);
  return antes;
}

}  // namespace platform::rtf_escritor
