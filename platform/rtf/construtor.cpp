// The document builder of the RTF reader: paragraphs, lists and tables.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <algorithm>

#include "platform/rtf/interno/leitor.h"
#include "platform/rtf/leitor.h"

namespace platform::rtf_interno {

namespace {

// Tables wider than this many columns are a damaged file, not a teacher's.
constexpr int kMaxColunas = 64;

}  // namespace

Construtor::Construtor(QTextDocument* doc, const Linha* linha, int linhasPorTabela)
    : doc_(doc), linha_(linha), cursor_(doc), linhasPorTabela_(linhasPorTabela) {
  cursor_.movePosition(QTextCursor::Start);
}

bool Construtor::NaTabela(bool naTabela) {
  if (naTabela) {
    coletando_ = true;
    return true;
  }
  if (coletando_) {
    ColocaTabela();
    SaiDaTabela();
  }
  return false;
}

// Opens the row and the cell that the next step goes to, counting the
// table's rows and columns as the document would grow them.
void Construtor::GaranteCelula() {
  if (!linhaAberta_) {
    colunas_ = std::max(colunas_, std::clamp(int(linha_->cellx.size()), 1, kMaxColunas));
    linhas_.push_back({*linha_, colunas_});
    linhaAberta_ = true;
    celula_ = 0;
    celulaAberta_ = -1;
  }
  if (celulaAberta_ != celula_) {
    while (celula_ >= colunas_ && colunas_ < kMaxColunas) ++colunas_;
    celula_ = std::min(celula_, colunas_ - 1);
    celulaAberta_ = celula_;
  }
}

void Construtor::Grava(Passo::Tipo tipo, const Paragrafo& p, const InfoLista* lista, const QString& texto,
                       const QTextFormat& formato) {
  Passo passo{tipo, int(colocando_.size() + linhas_.size()) - 1, celula_, texto, formato, p,
              lista ? std::make_shared<const InfoLista>(*lista) : nullptr};
  passos_.push_back(std::move(passo));
}

void Construtor::ColocaTabela() {
  ColocaLinhas();
  coletando_ = false;
  colocando_.clear();
  partes_.clear();
  colunas_ = 0;
  linhaAberta_ = false;
  celula_ = 0;
  celulaAberta_ = -1;
}

QTextTableFormat Construtor::FormatoDaTabela(const Linha& primeira, int colunas) {
  QTextTableFormat tf;
  tf.setCellSpacing(0);
  tf.setCellPadding(TwipsParaDoc(std::clamp(primeira.gap, 0, 1440)));
  if (primeira.bordas) {
    // Collapsed borders cost the layout about twice the time of separate
    // ones; only a table with borders shows the difference.
    tf.setBorderCollapse(true);
    tf.setBorder(1);
    tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tf.setBorderBrush(Qt::black);
  } else {
    tf.setBorder(0);
  }
  // Widths from the first row; a column added for a later row takes the
  // width of the last one.
  QList<QTextLength> larguras;
  QList<int> bordasTwips;
  const int n = std::clamp(int(primeira.cellx.size()), 1, kMaxColunas);
  int antes = 0;
  for (int i = 0; i < n && i < primeira.cellx.size(); ++i) {
    const int x = primeira.cellx[i];
    larguras << QTextLength(QTextLength::FixedLength, TwipsParaDoc(std::max(x - antes, 144)));
    bordasTwips << x;
    antes = x;
  }
  if (!larguras.isEmpty()) {
    while (larguras.size() < colunas) larguras << larguras.last();
    tf.setColumnWidthConstraints(larguras);
  }
  tf.setProperty(rtf::kBordasCelulasTwips, QVariant::fromValue(bordasTwips));
  tf.setAlignment(Qt::AlignLeft);
  return tf;
}

void Construtor::ColocaLinhas() {
  std::deque<Passo> passos;
  passos.swap(passos_);
  const bool comeca = colocando_.empty();
  for (LinhaTabela& l : linhas_) colocando_.push_back(std::move(l));
  linhas_.clear();
  if (colocando_.empty()) return;

  const int colunas = std::max(colunas_, 1);
  if (comeca) {
    colunasTabela_ = colunas;
    formatoTabela_ = FormatoDaTabela(colocando_.front().definicao, colunasTabela_);
    // The table follows the paragraph before it directly: the empty
    // paragraph that paragraph's \par opened goes after the table instead.
    if (vazio_ && !aposTabela_ && cursor_.block().length() <= 1 && cursor_.block().previous().isValid())
      cursor_.deletePreviousChar();
    primeiraDaParte_ = -1;
    ColocaParte(0);
  } else if (colunas > colunasTabela_) {
    // A row read after the parts already in the document widened the
    // table: they take the new columns too, as one table would.
    formatoTabela_ = FormatoDaTabela(colocando_.front().definicao, colunas);
    for (QTextTable* parte : partes_) {
      parte->appendColumns(colunas - colunasTabela_);
      parte->setFormat(formatoTabela_);
    }
    colunasTabela_ = colunas;
  }

  for (const Passo& passo : passos) {
    const InfoLista* lista = passo.lista.get();
    switch (passo.tipo) {
      case Passo::Tipo::Marca:
        formatoMarca_ = passo.formato.toCharFormat();
        continue;
      case Passo::Tipo::Quebra:
        quebraProxima_ = true;
        continue;
      default:
        break;
    }
    VaiParaCelula(passo.linha, passo.celula);
    switch (passo.tipo) {
      case Passo::Tipo::Texto:
        cursor_.insertText(passo.texto, passo.formato.toCharFormat());
        break;
      case Passo::Tipo::Imagem:
        cursor_.insertImage(passo.formato.toImageFormat());
        break;
      case Passo::Tipo::Paragrafo:
        FormataBloco(passo.p, lista);
        cursor_.insertBlock();
        break;
      case Passo::Tipo::Celula:
        FormataBloco(passo.p, lista);
        break;
      default:
        break;
    }
  }
  // Parts of a long table that no content reached still show their rows.
  ColocaParte(int(colocando_.size()) - 1);
}

void Construtor::ColocaParte(int linha) {
  const int total = int(colocando_.size());
  const int porParte = linhasPorTabela_ > 0 ? linhasPorTabela_ : total;
  while (primeiraDaParte_ < 0 || linha >= primeiraDaParte_ + porParte) {
    const int inicio = primeiraDaParte_ < 0 ? 0 : primeiraDaParte_ + porParte;
    if (inicio >= total) return;
    // A part after the first goes after the one before it: the empty
    // paragraph between two tables takes no room.
    if (primeiraDaParte_ >= 0) SaiDaTabela();
    const int linhas = std::min(porParte, total - inicio);
    tabela_ = cursor_.insertTable(linhas, colunasTabela_, formatoTabela_);
    partes_.push_back(tabela_);
    primeiraDaParte_ = inicio;
    for (int r = 0; r < linhas; ++r) {
      const Linha& d = colocando_[inicio + r].definicao;
      for (int i = 0; i < d.sombra.size() && i < colocando_[inicio + r].colunas; ++i) {
        if (!d.sombra[i].isValid()) continue;
        QTextTableCell c = tabela_->cellAt(r, i);
        QTextTableCellFormat cf = c.format().toTableCellFormat();
        cf.setBackground(d.sombra[i]);
        c.setFormat(cf);
      }
    }
    linhaTabela_ = -1;
    celulaCursor_ = -1;
  }
}

void Construtor::VaiParaCelula(int linha, int celula) {
  if (linha == linhaTabela_ && celula == celulaCursor_) return;
  ColocaParte(linha);
  cursor_ = tabela_->cellAt(linha - primeiraDaParte_, celula).lastCursorPosition();
  linhaTabela_ = linha;
  celulaCursor_ = celula;
}

void Construtor::SaiDaTabela() {
  cursor_ = QTextCursor(doc_);
  cursor_.movePosition(QTextCursor::End);
  tabela_ = nullptr;
  linhaTabela_ = -1;
  celulaCursor_ = -1;
  vazio_ = cursor_.block().length() <= 1;
  aposTabela_ = true;
}

void Construtor::DefineFormatoMarca(const QTextCharFormat& f) {
  if (coletando_)
    Grava(Passo::Tipo::Marca, Paragrafo(), nullptr, {}, f);
  else
    formatoMarca_ = f;
}

void Construtor::Texto(const QString& texto, const QTextCharFormat& formato, const Paragrafo& p) {
  if (texto.isEmpty()) return;
  if (NaTabela(p.naTabela)) {
    GaranteCelula();
    Grava(Passo::Tipo::Texto, p, nullptr, texto, formato);
    return;
  }
  cursor_.insertText(texto, formato);
  vazio_ = false;
  aposTabela_ = false;
}

void Construtor::Imagem(const QTextImageFormat& formato, const Paragrafo& p) {
  if (NaTabela(p.naTabela)) {
    GaranteCelula();
    Grava(Passo::Tipo::Imagem, p, nullptr, {}, formato);
    return;
  }
  cursor_.insertImage(formato);
  vazio_ = false;
  aposTabela_ = false;
}

void Construtor::FormataBloco(const Paragrafo& p, const InfoLista* lista) {
  QTextBlockFormat bf;
  bf.setAlignment(p.alinhamento);
  const int li = std::clamp(p.li, -31680, 31680);
  const int fi = std::clamp(p.fi, -31680, 31680);
  bf.setRightMargin(TwipsParaDoc(std::clamp(p.ri, 0, 31680)));
  bf.setTopMargin(TwipsParaDoc(std::clamp(p.sb, 0, 31680)));
  bf.setBottomMargin(TwipsParaDoc(std::clamp(p.sa, 0, 31680)));
  if (lista) {
    // The list's indent places the marker; the text keeps its RTF indent.
    const double recuoLista = lista->formato.indent() * doc_->indentWidth();
    bf.setLeftMargin(std::max(0.0, TwipsParaDoc(li) - recuoLista));
    bf.setProperty(rtf::kRecuoEsquerdoTwips, li);
    bf.setProperty(rtf::kPrimeiraLinhaTwips, fi);
  } else {
    bf.setLeftMargin(TwipsParaDoc(std::max(0, li)));
    bf.setTextIndent(TwipsParaDoc(std::max(fi, -std::max(0, li))));
  }
  if (p.sl != 0) {
    const int sl = std::clamp(p.sl, -31680, 31680);
    if (p.slmult && sl > 0)
      bf.setLineHeight(std::clamp(sl * 100.0 / 240.0, 50.0, 1000.0), QTextBlockFormat::ProportionalHeight);
    else if (sl < 0)
      bf.setLineHeight(TwipsParaDoc(-sl), QTextBlockFormat::FixedHeight);
    else
      bf.setLineHeight(TwipsParaDoc(sl), QTextBlockFormat::MinimumHeight);
  }
  if (!p.tabs.isEmpty()) {
    QList<QTextOption::Tab> tabs;
    for (const Tabulacao& t : p.tabs)
      tabs << QTextOption::Tab(TwipsParaDoc(std::clamp(t.twips, 0, 31680 * 2)), t.tipo);
    bf.setTabPositions(tabs);
  }
  if (p.quebraAntes || quebraProxima_) bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  quebraProxima_ = false;
  // A new block starts with the format of the one before it: most
  // paragraphs already have theirs.
  if (cursor_.blockFormat() != bf) cursor_.setBlockFormat(bf);
  // The block's own character format (list markers, empty lines) is that
  // of its first text, else that of the paragraph mark.
  {
    const QTextBlock b = cursor_.block();
    QTextCharFormat marca = formatoMarca_;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      if (!it.fragment().charFormat().isImageFormat()) {
        marca = it.fragment().charFormat();
        break;
      }
    }
    // The first block of a table cell keeps the cell's format there.
    const bool inicioCelula = tabela_ && celulaCursor_ >= 0 &&
                              tabela_->cellAt(linhaTabela_ - primeiraDaParte_, celulaCursor_).firstPosition() == b.position();
    if (!inicioCelula && cursor_.blockCharFormat() != marca) cursor_.setBlockCharFormat(marca);
  }

  QTextBlock bloco = cursor_.block();
  QTextList* atual = bloco.textList();
  if (lista) {
    QTextList*& l = listas_[lista->chave];
    if (!l) {
      if (atual) atual->remove(bloco);
      l = cursor_.createList(lista->formato);
    } else if (atual != l) {
      if (atual) atual->remove(bloco);
      l->add(bloco);
    }
  } else if (atual) {
    atual->remove(bloco);
    // remove() leaves the list's indent behind.
    QTextBlockFormat semLista = cursor_.blockFormat();
    semLista.setIndent(0);
    cursor_.setBlockFormat(semLista);
  }
}

void Construtor::FimParagrafo(const Paragrafo& p, const InfoLista* lista) {
  if (NaTabela(p.naTabela)) {
    GaranteCelula();
    Grava(Passo::Tipo::Paragrafo, p, lista);
    return;
  }
  FormataBloco(p, lista);
  cursor_.insertBlock();
  vazio_ = true;
  aposTabela_ = false;
}

void Construtor::QuebraPagina(const Paragrafo& p, const InfoLista* lista) {
  FimParagrafo(p, lista);
  if (coletando_)
    Grava(Passo::Tipo::Quebra, p);
  else
    quebraProxima_ = true;
}

void Construtor::Celula(const Paragrafo& p, const InfoLista* lista) {
  NaTabela(true);
  GaranteCelula();
  Grava(Passo::Tipo::Celula, p, lista);
  if (celula_ + 1 < kMaxColunas) ++celula_;
}

void Construtor::FimLinha(const Paragrafo&) {
  // A row of empty cells still shows.
  NaTabela(true);
  if (!linhaAberta_) GaranteCelula();
  linhaAberta_ = false;
  celula_ = 0;
  celulaAberta_ = -1;
  // A long table read in parts puts each part into the document as soon
  // as its rows are read, so that a view shows them while the rest is read.
  if (linhasPorTabela_ > 0 && int(linhas_.size()) >= linhasPorTabela_) ColocaLinhas();
}

void Construtor::Termina(const Paragrafo& p, const InfoLista* lista) {
  if (coletando_) ColocaTabela();
  if (tabela_ && !p.naTabela) SaiDaTabela();
  if (!tabela_) FormataBloco(p, lista);
}

}  // namespace platform::rtf_interno
