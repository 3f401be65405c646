// The RTF reader: tokens, groups and their state, the destinations skipped,
// and the ways in (RTF bytes, a rich-edit file, the document's units).  The
// text that goes into the document is leitor_texto.cpp's, the control words
// palavras.cpp's.
#include "platform/rtf/leitor.h"

#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QTextDocument>
#include <algorithm>

#include "files/abertura.h"
#include "files/pastas.h"
#include "files/texto.h"
#include "platform/rtf/interno/leitor.h"

namespace platform {

using namespace rtf_interno;

double DpiDocumento() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    if (QScreen* s = QGuiApplication::primaryScreen()) return s->logicalDotsPerInchY();
  return 96.0;
}

double TwipsParaDoc(double twips) { return twips * DpiDocumento() / 1440.0; }
double DocParaTwips(double unidades) { return unidades * 1440.0 / DpiDocumento(); }

bool EhRTF(const QByteArray& bytes) {
  int i = 0;
  while (i < bytes.size() && i < 64 && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' ||
                                        bytes[i] == '\n'))
    ++i;
  return bytes.mid(i, 5) == "{\\rtf";
}

namespace rtf_interno {

bool Leitor::Le(qsizetype ate) {
  while (pos_ < n_ && !fim_ && pos_ < ate) {
    if (!pilha_.empty() && g().destino == Destino::Ignora) {
      PulaIgnorado();
      continue;
    }
    const char ch = b_[pos_];
    switch (ch) {
      case '{':
        ++pos_;
        DescarregaBytes();
        Abre();
        break;
      case '}':
        ++pos_;
        DescarregaBytes();
        if (!Fecha()) fim_ = true;
        break;
      case '\\':
        ControleOuSimbolo();
        break;
      case '\r':
      case '\n':
      case '\0':
        ++pos_;
        break;
      default:
        ++pos_;
        if (pilha_.empty()) break;  // text before the first group
        ByteTexto(uchar(ch));
    }
  }
  if (pos_ < n_ && !fim_) return true;
  DescarregaBytes();
  DescarregaRun();
  if (!pilha_.empty()) construtor_.DefineFormatoMarca(Formato(g().c));
  Paragrafo p = pilha_.empty() ? Paragrafo() : g().p;
  InfoLista& info = info_;
  const bool temLista = InfoListaDe(p, &info);
  construtor_.Termina(p, temLista ? &info : nullptr);
  return false;
}

void Leitor::Abre() {
  pular_ = 0;
  if (pilha_.size() >= kMaxProfundidade) {
    ++excesso_;
    return;
  }
  if (pilha_.empty()) {
    pilha_.push_back(Grupo());
  } else {
    Grupo copia = g();
    pilha_.push_back(std::move(copia));
  }
  asterisco_ = false;
}

bool Leitor::Fecha() {
  pular_ = 0;
  if (excesso_ > 0) {
    --excesso_;
    return true;
  }
  if (pilha_.empty()) return false;
  // The document's own group ended: its state is the last paragraph's.
  if (pilha_.size() == 1) return false;
  const Destino d = g().destino;
  Grupo saindo = std::move(pilha_.back());
  pilha_.pop_back();
  Grupo& pai = g();
  const bool mesmoDestino = pai.destino == d;
  if (d == Destino::Figura && !mesmoDestino) InsereFigura();
  if ((d == Destino::Pn || d == Destino::PnAntes || d == Destino::PnDepois) &&
      pai.destino != Destino::Ignora) {
    // What \pn set belongs to the paragraph around it.
    pai.p.pnTipo = saindo.p.pnTipo;
    pai.p.pnEstilo = saindo.p.pnEstilo;
    pai.p.pnNivel = saindo.p.pnNivel;
    pai.p.pnAntes = saindo.p.pnAntes;
    pai.p.pnDepois = saindo.p.pnDepois;
  }
  if (d == Destino::Fontes && pai.destino == Destino::Fontes) {
    // A font entry in a group of its own may end without its ";".
  }
  return true;
}

int Leitor::LeNumero(bool* tem) {
  bool negativo = false;
  if (pos_ < n_ && b_[pos_] == '-') {
    negativo = true;
    ++pos_;
  }
  qint64 v = 0;
  int digitos = 0;
  while (pos_ < n_ && b_[pos_] >= '0' && b_[pos_] <= '9') {
    if (digitos < 10) v = v * 10 + (b_[pos_] - '0');
    ++digitos;
    ++pos_;
  }
  *tem = digitos > 0;
  v = std::min<qint64>(v, 2147483647);
  return int(negativo ? -v : v);
}

void Leitor::ControleOuSimbolo() {
  ++pos_;  // the backslash
  if (pos_ >= n_) return;
  const char ch = b_[pos_];
  const bool letra = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
  if (!letra) {
    ++pos_;
    if (ch == '\'') {
      int v = 0, k = 0;
      for (; k < 2 && pos_ < n_; ++k, ++pos_) {
        const char h = b_[pos_];
        int d = (h >= '0' && h <= '9') ? h - '0' : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                                                  : (h >= 'A' && h <= 'F') ? h - 'A' + 10 : -1;
        if (d < 0) break;
        v = v * 16 + d;
      }
      if (k == 0) return;
      if (pular_ > 0) {
        --pular_;
        return;
      }
      if (pilha_.empty()) return;
      if (g().destino == Destino::Figura) return;
      bytes_.append(char(v));
      return;
    }
    if (pular_ > 0) {
      --pular_;
      return;
    }
    Simbolo(ch);
    return;
  }
  const qsizetype inicio = pos_;
  while (pos_ < n_ && ((b_[pos_] >= 'a' && b_[pos_] <= 'z') || (b_[pos_] >= 'A' && b_[pos_] <= 'Z')))
    ++pos_;
  const QByteArray palavra = QByteArray::fromRawData(b_ + inicio, std::min<qsizetype>(pos_ - inicio, 32));
  bool temParam = false;
  const int param = LeNumero(&temParam);
  if (pos_ < n_ && b_[pos_] == ' ') ++pos_;
  if (palavra == "bin") {
    DescarregaBytes();
    PulaBinario(temParam ? param : 0);
    return;
  }
  if (pular_ > 0) {
    --pular_;
    return;
  }
  if (pilha_.empty()) return;
  Palavra(palavra, temParam, param);
}

void Leitor::PulaBinario(int n) {
  const qsizetype k = std::clamp<qsizetype>(n, 0, n_ - pos_);
  if (!pilha_.empty() && g().destino == Destino::Figura) figura_.dados.append(b_ + pos_, k);
  pos_ += k;
}

void Leitor::PulaIgnorado() {
  // Skips the ignored group and everything in it; the closing brace ends it.
  int nivel = 0;
  while (pos_ < n_) {
    const char ch = b_[pos_];
    if (ch == '{') {
      ++nivel;
      ++pos_;
    } else if (ch == '}') {
      ++pos_;
      if (nivel == 0) {
        if (!Fecha()) fim_ = true;
        return;
      }
      --nivel;
    } else if (ch == '\\') {
      ++pos_;
      if (pos_ < n_ && b_[pos_] == 'b' && pos_ + 3 <= n_ && b_[pos_ + 1] == 'i' && b_[pos_ + 2] == 'n') {
        pos_ += 3;
        bool tem = false;
        const int k = LeNumero(&tem);
        if (pos_ < n_ && b_[pos_] == ' ') ++pos_;
        if (tem) pos_ += std::clamp<qsizetype>(k, 0, n_ - pos_);
      } else if (pos_ < n_) {
        ++pos_;  // an escaped brace or backslash is no group
      }
    } else {
      ++pos_;
    }
  }
}

}  // namespace rtf_interno

LeituraEmPartes::LeituraEmPartes(QByteArray bytes, QTextDocument* doc, const OpcoesRTF& opcoes)
    : bytes_(std::move(bytes)), doc_(doc), desfazer_(doc->isUndoRedoEnabled()) {
  doc_->setUndoRedoEnabled(false);
  doc_->clear();
  leitor_ = std::make_unique<Leitor>(bytes_, doc_, std::max(0, opcoes.linhasPorTabela));
}

LeituraEmPartes::~LeituraEmPartes() {
  if (!leitor_) return;
  leitor_.reset();
  doc_->setUndoRedoEnabled(desfazer_);
}

bool LeituraEmPartes::Continua(qsizetype bytes) {
  if (!leitor_) return false;
  // One change of the document for each piece: a view attached to it lays
  // out what the piece added once, when the piece ends.
  QTextCursor bloco(doc_);
  bloco.beginEditBlock();
  const qsizetype ate = bytes_.size() - leitor_->Posicao() > bytes ? leitor_->Posicao() + bytes : bytes_.size();
  const bool mais = leitor_->Le(ate);
  bloco.endEditBlock();
  if (!mais) {
    leitor_.reset();
    doc_->setUndoRedoEnabled(desfazer_);
    doc_->setModified(false);
  }
  return mais;
}

void LeRTF(const QByteArray& bytes, QTextDocument* doc, const OpcoesRTF& opcoes) {
  LeituraEmPartes leitura(bytes, doc, opcoes);
  leitura.Continua(bytes.size());
}

std::unique_ptr<LeituraEmPartes> ComecaTextoRico(QByteArray bytes, QTextDocument* doc, const OpcoesRTF& opcoes) {
  if (EhRTF(bytes)) return std::make_unique<LeituraEmPartes>(std::move(bytes), doc, opcoes);
  QString texto;
  if (bytes.startsWith("\xEF\xBB\xBF"))
    texto = QString::fromUtf8(bytes.mid(3));
  else
    texto = files::DeAnsi(bytes);
  texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  texto.remove(QChar(0));
  const bool desfazer = doc->isUndoRedoEnabled();
  doc->setUndoRedoEnabled(false);
  doc->setPlainText(texto);
  doc->setUndoRedoEnabled(desfazer);
  doc->setModified(false);
  return nullptr;
}

void PoeTextoRico(const QByteArray& bytes, QTextDocument* doc, const OpcoesRTF& opcoes) {
  if (auto leitura = ComecaTextoRico(bytes, doc, opcoes)) leitura->Continua(bytes.size());
}

bool LeArquivoTextoRico(const QString& caminho, QByteArray* bytes) {
  return files::LeArquivoComum(files::ResolveCaminho(caminho), bytes, kMaiorTextoRico);
}

bool CarregaTextoRico(const QString& caminho, QTextDocument* doc, const OpcoesRTF& opcoes) {
  QByteArray bytes;
  const bool lido = LeArquivoTextoRico(caminho, &bytes);
  PoeTextoRico(bytes, doc, opcoes);
  return lido || EhRTF(bytes);
}

}  // namespace platform
