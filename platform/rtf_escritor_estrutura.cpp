// The RTF writer's structures: tables, lists and pictures.
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

#include "platform/rtf_escritor_interno.h"
#include "platform/rtf_interno.h"
#include "platform/rtf_leitor.h"

namespace platform::rtf_escritor {

namespace {

int Twips(double unidades) { return int(std::lround(DocParaTwips(unidades))); }

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
  const QList<QTextLength> larguras = tf.columnWidthConstraints();
  const int colunas = tabela->columns();
  const double largura = doc_.textWidth() > 0 ? doc_.textWidth() : TwipsParaDoc(9360);
  QList<int> bordas;
  int antes = 0;
  for (int i = 0; i < colunas; ++i) {
    int x = 0;
    if (i < lidas.size() && lidas[i] > antes) {
      x = lidas[i];
    } else {
      double w = largura / colunas;
      if (i < larguras.size() && larguras[i].type() == QTextLength::FixedLength) w = larguras[i].rawValue();
      if (i < larguras.size() && larguras[i].type() == QTextLength::PercentageLength)
        w = largura * larguras[i].rawValue() / 100;
      x = antes + std::max(144, Twips(w));
    }
    bordas << x;
    antes = x;
  }
  return bordas;
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
      Palavra("\\cellx", bordas[c]);
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
    const QSize natural = semMedidas ? rtf_interno::DecodificaFigura(d).size() : QSize();
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
