// The RTF writer: the font and colour tables, the characters and the
// paragraphs.  The body is written first, so that the tables hold only
// what it uses; the tables then go before it.
#include "platform/rtf/escritor.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <algorithm>
#include <array>
#include <cmath>

#include "files/gravacao.h"
#include "files/texto.h"
#include "platform/fonte.h"
#include "platform/rtf/interno/escritor.h"
#include "platform/rtf/interno/leitor.h"
#include "platform/rtf/leitor.h"

namespace platform {

namespace {

// The byte of a character in Windows-1252; -1 when the code page lacks it.
int ByteAnsi(char16_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  static const std::array<char16_t, 32> kAltos = [] {
    std::array<char16_t, 32> a{};
    QByteArray bytes(32, '\0');
    for (int i = 0; i < 32; ++i) bytes[i] = char(0x80 + i);
    const QString s = files::DeAnsi(bytes);
    for (int i = 0; i < 32; ++i) a[i] = s.at(i).unicode();
    return a;
  }();
  for (int i = 0; i < 32; ++i)
    if (kAltos[i] == u) return 0x80 + i;
  return -1;
}

int Twips(double unidades) { return int(std::lround(DocParaTwips(unidades))); }

// The block's and its list's indent, in document units.
double RecuoLista(const QTextBlock& bloco) {
  const QTextList* lista = bloco.textList();
  const int niveis = bloco.blockFormat().indent() + (lista ? lista->format().indent() : 0);
  return niveis * bloco.document()->indentWidth();
}

// The family by its plain name, as every RTF reader knows it.
QString Familia(const QTextCharFormat& f, const QTextDocument& doc) {
  const QStringList familias = f.fontFamilies().toStringList();
  if (!familias.isEmpty() && !familias.first().isEmpty()) return FamiliaSimples(familias.first());
  const QString familia = f.stringProperty(QTextFormat::FontFamily);
  return FamiliaSimples(familia.isEmpty() ? doc.defaultFont().family() : familia);
}

double Pontos(const QTextCharFormat& f, const QTextDocument& doc) {
  if (f.fontPointSize() > 0) return f.fontPointSize();
  // Pasted web text states its sizes in pixels.
  if (const int px = f.intProperty(QTextFormat::FontPixelSize); px > 0) return px * 72.0 / DpiDocumento();
  const double padrao = doc.defaultFont().pointSizeF();
  return padrao > 0 ? padrao : 12.0;
}

}  // namespace

namespace rtf_escritor {

Escritor::Escritor(const QTextDocument& doc) : doc_(doc) {
  // Font 0 is the document's own and the default: the list table's texts
  // are read in it, so it is always a Windows-1252 font.
  IndiceFonte(FamiliaSimples(doc.defaultFont().family()), 0);
}

void Escritor::Palavra(const char* palavra) {
  out_.append(palavra);
  delimitar_ = true;
}

void Escritor::Palavra(const char* palavra, int n) {
  out_.append(palavra);
  out_.append(QByteArray::number(n));
  delimitar_ = true;
}

void Escritor::Simbolo(const char* simbolo) {
  out_.append(simbolo);
  delimitar_ = false;
}

void Escritor::Literal(char c) {
  if (delimitar_) out_.append(' ');
  delimitar_ = false;
  out_.append(c);
}

void Escritor::Unicode(char16_t u) {
  Palavra("\\u", int(qint16(u)));
  out_.append('?');
  delimitar_ = false;
}

void Escritor::Byte(int b) {
  const char s[] = {'\\', '\'', kHex[(b >> 4) & 15], kHex[b & 15], '\0'};
  Simbolo(s);
}

void Escritor::Texto(const QString& texto, Codificacao cod) {
  for (const QChar ch : texto) {
    const char16_t u = ch.unicode();
    switch (u) {
      case 0:
      case 0xFFFC:  // an object's place, written by its own writer
        continue;
      case u'\t':
        Palavra("\\tab");
        continue;
      case 0x2028:
        Palavra("\\line");
        continue;
      case 0x00A0:
        Simbolo("\\~");
        continue;
      case 0x00AD:
        Simbolo("\\-");
        continue;
      case 0x2011:
        Simbolo("\\_");
        continue;
      default:
        break;
    }
    if (cod == Codificacao::Simbolo || (cod == Codificacao::Outra && (u >= 0x7F || u == u'\\' || u < 0x20))) {
      Unicode(u);
      continue;
    }
    if (u == u'\\' || u == u'{' || u == u'}') {
      const char s[] = {'\\', char(u), '\0'};
      Simbolo(s);
      continue;
    }
    if (u >= 0x20 && u < 0x7F) {
      Literal(char(u));
      continue;
    }
    const int b = ByteAnsi(u);
    if (b < 0) {
      Unicode(u);
      continue;
    }
    Byte(b);
  }
}

int Escritor::IndiceFonte(const QString& nome, int charset) {
  const QString chave = nome + QChar(0) + QString::number(charset);
  auto it = indiceFonte_.constFind(chave);
  if (it != indiceFonte_.constEnd()) return it.value();
  const int n = int(fontes_.size());
  fontes_ << Fonte{nome, charset};
  const int cp = rtf_interno::CodepageDoCharset(charset);
  codificacoes_ << (cp == 42 ? Codificacao::Simbolo
                    : (cp == 0 || cp == 1252) ? Codificacao::Ansi : Codificacao::Outra);
  indiceFonte_.insert(chave, n);
  return n;
}

int Escritor::IndiceCor(const QColor& cor) {
  const QRgb rgb = cor.rgb() & 0xFFFFFF;
  auto it = indiceCor_.constFind(rgb);
  if (it != indiceCor_.constEnd()) return it.value();
  cores_ << QColor(rgb);
  const int n = int(cores_.size());  // 0 is the automatic colour
  indiceCor_.insert(rgb, n);
  return n;
}

void Escritor::Caracteres(const QTextCharFormat& f) {
  rtf_interno::Caractere c;
  c.fonte = IndiceFonte(Familia(f, doc_), f.hasProperty(rtf::kCharset) ? f.intProperty(rtf::kCharset) : 0);
  c.meiosPontos = std::clamp(int(std::lround(Pontos(f, doc_) * 2)), 2, 3276);
  c.negrito = f.fontWeight() > QFont::Medium;
  c.italico = f.fontItalic();
  c.sublinhado = f.fontUnderline();
  c.riscado = f.fontStrikeOut();
  c.maiusculas = f.fontCapitalization() == QFont::AllUppercase;
  c.versalete = f.fontCapitalization() == QFont::SmallCaps;
  if (f.foreground().style() != Qt::NoBrush) c.cor = IndiceCor(f.foreground().color());
  if (f.background().style() != Qt::NoBrush) c.fundo = IndiceCor(f.background().color());
  if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) c.vertical = 1;
  if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) c.vertical = 2;

  rtf_interno::Caractere& e = estado_;
  if (c.fonte != e.fonte) Palavra("\\f", c.fonte);
  if (c.meiosPontos != e.meiosPontos) Palavra("\\fs", c.meiosPontos);
  if (c.negrito != e.negrito) Palavra(c.negrito ? "\\b" : "\\b0");
  if (c.italico != e.italico) Palavra(c.italico ? "\\i" : "\\i0");
  if (c.sublinhado != e.sublinhado) Palavra(c.sublinhado ? "\\ul" : "\\ulnone");
  if (c.riscado != e.riscado) Palavra(c.riscado ? "\\strike" : "\\strike0");
  if (c.maiusculas != e.maiusculas) Palavra(c.maiusculas ? "\\caps" : "\\caps0");
  if (c.versalete != e.versalete) Palavra(c.versalete ? "\\scaps" : "\\scaps0");
  if (c.cor != e.cor) Palavra("\\cf", c.cor);
  if (c.fundo != e.fundo) Palavra("\\highlight", c.fundo);
  if (c.vertical != e.vertical) Palavra(c.vertical == 1 ? "\\super" : c.vertical == 2 ? "\\sub" : "\\nosupersub");
  e = c;
}

void Escritor::Paragrafo(const QTextBlock& bloco, bool naTabela) {
  const QTextBlockFormat bf = bloco.blockFormat();
  Palavra("\\pard");
  if (naTabela) Palavra("\\intbl");
  const Qt::Alignment h = bf.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
  if (h == Qt::AlignRight || h == Qt::AlignTrailing) Palavra("\\qr");
  else if (h == Qt::AlignHCenter) Palavra("\\qc");
  else if (h == Qt::AlignJustify) Palavra("\\qj");
  const RecuosRTF r = RecuosDe(bloco);
  if (r.esquerdo) Palavra("\\li", r.esquerdo);
  if (r.direito) Palavra("\\ri", r.direito);
  if (r.primeiraLinha) Palavra("\\fi", r.primeiraLinha);
  if (const int sb = Twips(bf.topMargin())) Palavra("\\sb", sb);
  if (const int sa = Twips(bf.bottomMargin())) Palavra("\\sa", sa);
  switch (bf.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
      if (const int sl = int(std::lround(bf.lineHeight() * 240 / 100)); sl > 0) {
        Palavra("\\sl", sl);
        Palavra("\\slmult1");
      }
      break;
    case QTextBlockFormat::FixedHeight:
      if (const int sl = Twips(bf.lineHeight()); sl > 0) {
        Palavra("\\sl", -sl);
        Palavra("\\slmult0");
      }
      break;
    case QTextBlockFormat::MinimumHeight:
      if (const int sl = Twips(bf.lineHeight()); sl > 0) {
        Palavra("\\sl", sl);
        Palavra("\\slmult0");
      }
      break;
    default:
      break;
  }
  for (const QTextOption::Tab& t : bf.tabPositions()) {
    if (t.type == QTextOption::RightTab) Palavra("\\tqr");
    else if (t.type == QTextOption::CenterTab) Palavra("\\tqc");
    else if (t.type == QTextOption::DelimiterTab) Palavra("\\tqdec");
    Palavra("\\tx", Twips(t.position));
  }
  if (bf.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) Palavra("\\pagebb");
  if (const QTextList* lista = bloco.textList()) MarcaLista(bloco, lista);
}

void Escritor::Bloco(const QTextBlock& bloco, bool naTabela, const char* fim) {
  Paragrafo(bloco, naTabela);
  bool vazio = true;
  for (auto it = bloco.begin(); !it.atEnd(); ++it) {
    const QTextFragment fr = it.fragment();
    const QTextCharFormat f = fr.charFormat();
    if (f.isImageFormat()) {
      for (qsizetype i = 0; i < fr.text().size(); ++i) Figura(f.toImageFormat());
    } else {
      Caracteres(f);
      Texto(fr.text(), codificacoes_[estado_.fonte]);
    }
    vazio = false;
  }
  if (vazio) {
    // An empty paragraph takes its height from its mark; the first one of
    // a table cell holds the cell's format there instead.
    const QTextTable* tabela = qobject_cast<const QTextTable*>(QTextCursor(bloco).currentFrame());
    const bool inicioCelula = tabela && tabela->cellAt(bloco.position()).firstPosition() == bloco.position();
    if (!inicioCelula) Caracteres(bloco.charFormat());
  }
  if (*fim) {
    Palavra(fim);
    if (qstrcmp(fim, "\\cell") != 0) out_.append("\r\n");
  }
}

void Escritor::Conteudo(QTextFrame::iterator it, bool naTabela, const QTextBlock& ultimo, const char* fimUltimo) {
  for (; !it.atEnd(); ++it) {
    if (QTextFrame* quadro = it.currentFrame()) {
      if (auto* tabela = qobject_cast<QTextTable*>(quadro); tabela && !naTabela)
        Tabela(tabela);
      else
        Conteudo(quadro->begin(), naTabela, ultimo, fimUltimo);  // its paragraphs as ours
      continue;
    }
    const QTextBlock b = it.currentBlock();
    const bool quebraDepois = b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter;
    Bloco(b, naTabela, b == ultimo ? fimUltimo : quebraDepois ? "\\page" : "\\par");
  }
}

QByteArray Escritor::Cabecalho() {
  QByteArray corpo;
  corpo.swap(out_);
  const QByteArray listas = TabelaListas();
  out_ = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
  for (int i = 0; i < fontes_.size(); ++i) {
    Palavra("{\\f", i);
    Palavra("\\fnil\\fcharset", fontes_[i].charset);
    QString nome = fontes_[i].nome;
    nome.remove(u';');
    Texto(nome, codificacoes_[i] == Codificacao::Simbolo ? Codificacao::Ansi : codificacoes_[i]);
    Simbolo(";}");
  }
  out_.append("}\r\n{\\colortbl;");
  for (const QColor& c : cores_) {
    out_.append("\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
                QByteArray::number(c.blue()) + ';');
  }
  out_.append("}\r\n");
  out_.append(listas);
  QByteArray cabecalho;
  cabecalho.swap(out_);
  out_.swap(corpo);
  return cabecalho;
}

QByteArray Escritor::Escreve() {
  out_.reserve(std::max<qsizetype>(1024, doc_.characterCount() * 2));
  Conteudo(doc_.rootFrame()->begin(), false, doc_.lastBlock(), "");
  const QByteArray cabecalho = Cabecalho();
  QByteArray rtf;
  rtf.reserve(cabecalho.size() + out_.size() + 4);
  rtf.append(cabecalho);
  rtf.append(out_);
  rtf.append("}\r\n");
  return rtf;
}

}  // namespace rtf_escritor

QByteArray EscreveRTF(const QTextDocument& doc) { return rtf_escritor::Escritor(doc).Escreve(); }

bool GravaTextoRico(const QString& caminho, const QTextDocument& doc, QString* erro) {
  try {
    files::GravaInteiro(caminho, EscreveRTF(doc));
  } catch (const files::IoError& falha) {
    if (erro) *erro = QString::fromLatin1(falha.what());
    return false;
  }
  return true;
}

RecuosRTF RecuosDe(const QTextBlock& bloco) {
  const QTextBlockFormat bf = bloco.blockFormat();
  RecuosRTF r;
  r.direito = Twips(bf.rightMargin());
  const double recuo = RecuoLista(bloco);
  if (bloco.textList()) {
    // What the reader kept, while the margin still shows it.
    const int li = bf.intProperty(rtf::kRecuoEsquerdoTwips);
    const bool guardado = bf.hasProperty(rtf::kRecuoEsquerdoTwips) &&
                          std::abs(std::max(0.0, TwipsParaDoc(li) - recuo) - bf.leftMargin()) < 0.01;
    r.esquerdo = guardado ? li : Twips(bf.leftMargin() + recuo);
    r.primeiraLinha = bf.hasProperty(rtf::kPrimeiraLinhaTwips) && bf.textIndent() == 0
                          ? bf.intProperty(rtf::kPrimeiraLinhaTwips)
                          : Twips(bf.textIndent());
  } else {
    r.esquerdo = Twips(bf.leftMargin() + recuo);
    r.primeiraLinha = Twips(bf.textIndent());
  }
  return r;
}

void DefineRecuos(const QTextBlock& bloco, const RecuosRTF& recuos) {
  if (!bloco.isValid()) return;
  QTextBlockFormat bf = bloco.blockFormat();
  const int li = std::clamp(recuos.esquerdo, -31680, 31680);
  const int fi = std::clamp(recuos.primeiraLinha, -31680, 31680);
  bf.setRightMargin(TwipsParaDoc(std::clamp(recuos.direito, 0, 31680)));
  bf.setIndent(0);
  if (bloco.textList()) {
    const double recuoLista = bloco.textList()->format().indent() * bloco.document()->indentWidth();
    bf.setLeftMargin(std::max(0.0, TwipsParaDoc(li) - recuoLista));
    bf.setTextIndent(0);
    bf.setProperty(rtf::kRecuoEsquerdoTwips, li);
    bf.setProperty(rtf::kPrimeiraLinhaTwips, fi);
  } else {
    bf.setLeftMargin(TwipsParaDoc(std::max(0, li)));
    bf.setTextIndent(TwipsParaDoc(std::max(fi, -std::max(0, li))));
    bf.clearProperty(rtf::kRecuoEsquerdoTwips);
    bf.clearProperty(rtf::kPrimeiraLinhaTwips);
  }
  QTextCursor(bloco).setBlockFormat(bf);
}

}  // namespace platform
