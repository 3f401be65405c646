// The RTF reader's text: bytes decoded by the font's code page (Symbol and
// Wingdings by their glyphs), runs in their character formats, paragraphs,
// list paragraphs, table cells and pictures going into the document.
#include <QHash>
#include <QStringDecoder>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "files/texto.h"
#include "platform/rtf/interno/leitor.h"
#include "platform/rtf/leitor.h"

namespace platform {

using namespace rtf_interno;

namespace {

// The code page of an RTF charset; 0 for the document's own.
int CodepageDe(int charset) {
  switch (charset) {
    case 0: return 1252;
    case 2: return 42;  // symbol
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
  }
}

QByteArray NomeCodificacao(int cp) {
  switch (cp) {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1361: return "johab";
    case 10000: return "macintosh";
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 874: return "windows-874";
    default: return "windows-" + QByteArray::number(cp);
  }
}

// The Symbol and Wingdings glyphs that documents use, in Unicode.
QChar DeSimbolo(uchar b, bool wingdings) {
  if (wingdings) {
    switch (b) {
      case 0x6C: return QChar(0x25CF);
      case 0x6E: return QChar(0x25A0);
      case 0x71: return QChar(0x2751);
      case 0x76: return QChar(0x2756);
      case 0xA7: return QChar(0x25AA);
      case 0xD8: return QChar(0x27A2);
      case 0xFC: return QChar(0x2713);
      default: return QChar(0x2022);
    }
  }
  static const char16_t kGregas[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
  static const char16_t kGregasMin[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
  if (b >= 0x41 && b <= 0x5A) return QChar(kGregas[b - 0x41]);
  if (b >= 0x61 && b <= 0x7A) return QChar(kGregasMin[b - 0x61]);
  switch (b) {
    case 0xA3: return QChar(0x2264);
    case 0xA5: return QChar(0x221E);
    case 0xAC: return QChar(0x2190);
    case 0xAD: return QChar(0x2191);
    case 0xAE: return QChar(0x2192);
    case 0xAF: return QChar(0x2193);
    case 0xB0: return QChar(0x00B0);
    case 0xB1: return QChar(0x00B1);
    case 0xB3: return QChar(0x2265);
    case 0xB4: return QChar(0x00D7);
    case 0xB6: return QChar(0x2202);
    case 0xB7: return QChar(0x2022);
    case 0xB8: return QChar(0x00F7);
    case 0xB9: return QChar(0x2260);
    case 0xBB: return QChar(0x2248);
    case 0xC6: return QChar(0x2205);
    case 0xCE: return QChar(0x2208);
    case 0xD6: return QChar(0x221A);
    case 0xE5: return QChar(0x2211);
    case 0xF2: return QChar(0x222B);
    default: return b < 0x80 ? QChar(b) : QChar(0x2022);
  }
}

}  // namespace

namespace rtf_interno {

int CodepageDoCharset(int charset) { return CodepageDe(charset); }

void Leitor::ByteTexto(uchar ch) {
  if (pular_ > 0) {
    --pular_;
    return;
  }
  Grupo& gr = g();
  if (gr.destino == Destino::Figura) {
    const int d = (ch >= '0' && ch <= '9') ? ch - '0' : (ch >= 'a' && ch <= 'f') ? ch - 'a' + 10
                                             : (ch >= 'A' && ch <= 'F') ? ch - 'A' + 10 : -1;
    if (d < 0) return;
    if (nibble_ < 0) {
      nibble_ = d;
    } else {
      figura_.dados.append(char(nibble_ * 16 + d));
      nibble_ = -1;
    }
    return;
  }
  if (ch == '\t') {
    DescarregaBytes();
    Emite(QStringLiteral("\t"));
    return;
  }
  // Plain runs are decoded in one piece when they end.
  const qsizetype inicio = pos_ - 1;  // ch
  while (pos_ < n_) {
    const uchar c = uchar(b_[pos_]);
    if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\t' || c == 0) break;
    ++pos_;
  }
  bytes_.append(b_ + inicio, pos_ - inicio);
}

QString Leitor::Decodifica(const QByteArray& bytes) {
  int charset = -1, cp = 0;
  const Fonte* f = nullptr;
  if (g().destino == Destino::Fontes) {
    auto it = fontes_.constFind(fonteAtual_);
    if (it != fontes_.constEnd()) f = &it.value();
  } else {
    f = FonteDe(g().c.fonte);
  }
  if (f) {
    charset = f->charset;
    cp = f->codepage ? f->codepage : CodepageDe(charset);
  }
  if (cp == 0) cp = ansicpg_;
  // A symbol font's name is plain text, not its glyphs.
  if (cp == 42 && g().destino == Destino::Fontes) cp = 1252;
  if (cp == 42) {
    const bool wingdings = f && f->nome.contains(QLatin1String("wingdings"), Qt::CaseInsensitive);
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes) s.append(DeSimbolo(uchar(c), wingdings));
    return s;
  }
  if (cp == 1252 || cp == 0) return files::DeAnsi(bytes);
  auto it = decodificadores_.find(cp);
  if (it == decodificadores_.end()) {
    auto dec = std::make_shared<QStringDecoder>(NomeCodificacao(cp).constData());
    it = decodificadores_.insert(cp, dec->isValid() ? dec : nullptr);
  }
  if (!it.value()) return files::DeAnsi(bytes);
  QStringDecoder& dec = *it.value();
  dec.resetState();
  QString s = dec.decode(bytes);
  return dec.hasError() ? files::DeAnsi(bytes) : s;
}

void Leitor::DescarregaBytes() {
  if (bytes_.isEmpty()) return;
  // The buffers keep their room from run to run.
  const QString s = pilha_.empty() ? QString() : Decodifica(bytes_);
  bytes_.truncate(0);
  if (pilha_.empty()) return;
  Emite(s);
}

void Leitor::Emite(const QString& s) {
  Grupo& gr = g();
  switch (gr.destino) {
    case Destino::Texto:
      EmiteTexto(s);
      break;
    case Destino::Fontes:
      for (QChar c : s) {
        if (c == u';') {
          TabelasMudaram();
          Fonte& f = fontes_[fonteAtual_];
          f.nome = f.nome.trimmed();
        } else if (fontes_.size() < kMaxFontes || fontes_.contains(fonteAtual_)) {
          TabelasMudaram();
          fontes_[fonteAtual_].nome.append(c);
        }
      }
      break;
    case Destino::Cores:
      for (QChar c : s) {
        if (c != u';' || cores_.size() >= kMaxCores) continue;
        TabelasMudaram();
        if (r_ < 0 && gr_ < 0 && bl_ < 0)
          cores_ << QColor();
        else
          cores_ << QColor(std::clamp(r_, 0, 255), std::clamp(gr_, 0, 255), std::clamp(bl_, 0, 255));
        r_ = gr_ = bl_ = -1;
      }
      break;
    case Destino::MarcaLista:
      marca_ += s;
      break;
    case Destino::PnAntes:
      gr.p.pnAntes += s;
      break;
    case Destino::PnDepois:
      gr.p.pnDepois += s;
      break;
    case Destino::NivelTexto:
      if (!listas_.isEmpty() && !listas_.last().niveis.isEmpty()) listas_.last().niveis.last().texto += s;
      break;
    default:
      break;
  }
}

void Leitor::EmiteTexto(const QString& s) {
  const Caractere& c = g().c;
  if (c.oculto) return;
  if (!marca_.isEmpty()) {
    // The marker text of a list the reader does not know is shown as text.
    const QString marca = marca_;
    marca_.clear();
    InfoLista& info = info_;
    if (!InfoListaDe(g().p, &info)) EmiteTexto(marca);
  }
  if (!(c == runEstado_) && !run_.isEmpty()) DescarregaRun();
  runEstado_ = c;
  run_ += s;
}

const Fonte* Leitor::FonteDe(int n) const {
  auto it = fontes_.constFind(n < 0 ? deff_ : n);
  if (it == fontes_.constEnd() && n >= 0) it = fontes_.constFind(deff_);
  return it == fontes_.constEnd() ? nullptr : &it.value();
}

QColor Leitor::Cor(int indice) const {
  if (indice < 0 || indice >= cores_.size()) return {};
  return cores_[indice];
}

QTextCharFormat Leitor::Formato(const Caractere& c) const {
  constexpr size_t kGuardados = 8;
  for (const FormatoFeito& feito : formatos_)
    if (feito.c == c) return feito.formato;
  FormatoFeito novo{c, NovoFormato(c)};
  if (formatos_.size() < kGuardados) {
    formatos_.push_back(novo);
  } else {
    formatos_[proximoFormato_] = novo;
    proximoFormato_ = (proximoFormato_ + 1) % kGuardados;
  }
  return novo.formato;
}

QTextCharFormat Leitor::NovoFormato(const Caractere& c) const {
  QTextCharFormat f;
  if (const Fonte* fonte = FonteDe(c.fonte); fonte && !fonte->nome.isEmpty()) {
    f.setFontFamilies(QStringList{fonte->nome});
    f.setProperty(rtf::kCharset, fonte->charset);
  }
  f.setFontPointSize(std::clamp(c.meiosPontos, 2, 3276) / 2.0);
  f.setFontWeight(c.negrito ? QFont::Bold : QFont::Normal);
  f.setFontItalic(c.italico);
  f.setFontUnderline(c.sublinhado);
  f.setFontStrikeOut(c.riscado);
  if (QColor cor = Cor(c.cor); cor.isValid()) f.setForeground(cor);
  if (QColor fundo = Cor(c.fundo); c.fundo > 0 && fundo.isValid()) f.setBackground(fundo);
  if (c.vertical == 1) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  if (c.vertical == 2) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  if (c.maiusculas) f.setFontCapitalization(QFont::AllUppercase);
  else if (c.versalete) f.setFontCapitalization(QFont::SmallCaps);
  return f;
}

void Leitor::DescarregaRun() {
  if (run_.isEmpty()) return;
  // The document copies the text; run_ keeps its room for the next run.
  construtor_.Texto(run_, Formato(runEstado_), pilha_.empty() ? Paragrafo() : g().p);
  run_.truncate(0);
}

bool Leitor::InfoListaDe(const Paragrafo& p, InfoLista* info) const {
  if (p.ls > 0) {
    const int nivel = std::clamp(p.ilvl, 0, 8);
    QTextListFormat f;
    f.setStyle(QTextListFormat::ListDisc);
    f.setIndent(nivel + 1);
    const int indice = indiceLista_.value(sobreposicoes_.value(p.ls, -1), -1);
    if (indice >= 0 && nivel < listas_[indice].niveis.size()) {
      const NivelDef& nd = listas_[indice].niveis[nivel];
      QString t = nd.texto;
      if (!t.isEmpty()) t = t.mid(1, t.at(0).unicode());
      switch (nd.nfc) {
        case 0: f.setStyle(QTextListFormat::ListDecimal); break;
        case 1: f.setStyle(QTextListFormat::ListUpperRoman); break;
        case 2: f.setStyle(QTextListFormat::ListLowerRoman); break;
        case 3: f.setStyle(QTextListFormat::ListUpperAlpha); break;
        case 4: f.setStyle(QTextListFormat::ListLowerAlpha); break;
        case 23:
        case 255:
          if (t == QLatin1String("o")) f.setStyle(QTextListFormat::ListCircle);
          else if (t == QString(QChar(0x25AA)) || t == QString(QChar(0xA7)) || t == QString(QChar(0xF0A7)) ||
                   t == QString(QChar(0xF06E)) || t == QString(QChar(0xF071)))
            f.setStyle(QTextListFormat::ListSquare);
          break;
        default: f.setStyle(QTextListFormat::ListDecimal);
      }
      if (nd.nfc != 23 && nd.nfc != 255) {
        qsizetype primeiro = -1, ultimo = -1;
        for (qsizetype i = 0; i < t.size(); ++i)
          if (t.at(i).unicode() < 9) {
            if (primeiro < 0) primeiro = i;
            ultimo = i;
          }
        if (primeiro >= 0) {
          f.setNumberPrefix(t.left(primeiro));
          f.setNumberSuffix(t.mid(ultimo + 1));
        }
      }
    }
    info->chave = QStringLiteral("ls:%1:%2").arg(p.ls).arg(nivel);
    info->formato = f;
    return true;
  }
  if (p.pnTipo == 0) return false;
  QTextListFormat f;
  f.setIndent(std::clamp(p.pnNivel, 1, 9));
  if (p.pnTipo == 1) {
    f.setStyle(QTextListFormat::ListDisc);
  } else {
    f.setStyle(p.pnEstilo);
    f.setNumberPrefix(p.pnAntes);
    f.setNumberSuffix(p.pnDepois.isEmpty() ? QStringLiteral(".") : p.pnDepois);
  }
  info->chave = QStringLiteral("pn:%1:%2:%3").arg(grupoPn_).arg(p.pnTipo).arg(int(p.pnEstilo));
  info->formato = f;
  return true;
}

void Leitor::AntesDaEstrutura() {
  DescarregaBytes();
  if (!marca_.isEmpty() && g().destino == Destino::Texto) {
    const QString marca = marca_;
    marca_.clear();
    InfoLista& info = info_;
    if (!InfoListaDe(g().p, &info)) EmiteTexto(marca);
  }
  DescarregaRun();
  construtor_.DefineFormatoMarca(Formato(g().c));
}

void Leitor::FimParagrafo(bool pagina) {
  if (g().destino != Destino::Texto) return;
  AntesDaEstrutura();
  InfoLista& info = info_;
  const bool temLista = InfoListaDe(g().p, &info);
  if (!temLista) ++grupoPn_;
  if (pagina)
    construtor_.QuebraPagina(g().p, temLista ? &info : nullptr);
  else
    construtor_.FimParagrafo(g().p, temLista ? &info : nullptr);
  marca_.clear();
}

void Leitor::Celula() {
  if (g().destino != Destino::Texto) return;
  AntesDaEstrutura();
  Paragrafo p = g().p;
  p.naTabela = true;
  InfoLista& info = info_;
  const bool temLista = InfoListaDe(p, &info);
  construtor_.Celula(p, temLista ? &info : nullptr);
  marca_.clear();
}

void Leitor::InsereFigura() {
  DadosFigura f = std::move(figura_);
  figura_ = DadosFigura();
  nibble_ = -1;
  if (g().destino != Destino::Texto) return;
  AntesDaEstrutura();
  // Each picture within the picture limits and what the document's budget
  // has left.
  QSize natural;
  QImage img = DecodificaFigura(f, std::min(kMaiorAreaFigura, memoriaFiguras_ / kBytesPorPixel), &natural);
  if (!img.isNull() && img.sizeInBytes() > memoriaFiguras_) img = QImage();
  if (!img.isNull()) memoriaFiguras_ -= img.sizeInBytes();
  const QSizeF twips = TamanhoFiguraTwips(f, img.isNull() ? natural : img.size());
  const QSizeF tamanho(TwipsParaDoc(twips.width()), TwipsParaDoc(twips.height()));
  if (img.isNull()) {
    // What cannot be decoded, or is over a limit, keeps its place as an
    // empty grey frame of its declared size.
    img = QImage(8, 8, QImage::Format_RGB32);
    img.fill(QColor(235, 235, 235));
  }
  const QString nome = QStringLiteral("rtfpict:%1").arg(++figuras_);
  doc_->addResource(QTextDocument::ImageResource, QUrl(nome), img);
  QTextImageFormat fmt;
  fmt.setName(nome);
  fmt.setWidth(tamanho.width());
  fmt.setHeight(tamanho.height());
  fmt.setProperty(rtf::kFiguraDados, f.dados);
  fmt.setProperty(rtf::kFiguraTipo, f.tipo);
  fmt.setProperty(rtf::kFiguraMedidas,
                  QVariant::fromValue(QList<int>{f.picw, f.pich, f.goalw, f.goalh, f.escalaX, f.escalaY}));
  if (f.tipo == "wbitmap")
    fmt.setProperty(rtf::kFiguraBitmap, QVariant::fromValue(QList<int>{f.wbmBits, f.wbmLarguraBytes}));
  construtor_.Imagem(fmt, g().p);
}

void Leitor::Simbolo(char ch) {
  if (pilha_.empty()) return;
  switch (ch) {
    case '*':
      asterisco_ = true;
      return;
    case '\\':
    case '{':
    case '}':
      if (g().destino == Destino::Figura) return;
      bytes_.append(ch);
      return;
    case '~':
      DescarregaBytes();
      Emite(QString(QChar(0x00A0)));
      return;
    case '-':
      DescarregaBytes();
      Emite(QString(QChar(0x00AD)));
      return;
    case '_':
      DescarregaBytes();
      Emite(QString(QChar(0x2011)));
      return;
    case '\r':
    case '\n':
      FimParagrafo(false);
      return;
    case '\t':
      DescarregaBytes();
      Emite(QStringLiteral("\t"));
      return;
    default:
      return;
  }
}

}  // namespace rtf_interno

}  // namespace platform
