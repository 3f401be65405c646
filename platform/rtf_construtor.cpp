// The document builder of the RTF reader: paragraphs, lists and tables.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <algorithm>

#include "platform/rtf_interno.h"
#include "platform/rtf_leitor.h"

namespace platform::rtf_interno {

namespace {

// Tables wider than this many columns are a damaged file, not a teacher's.
constexpr int kMaxColunas = 64;

}  // namespace

Construtor::Construtor(QTextDocument* doc, const Linha* linha)
    : doc_(doc), linha_(linha), cursor_(doc) {
  cursor_.movePosition(QTextCursor::Start);
}

void Construtor::GaranteLugar(const Paragrafo& p) {
  if (p.naTabela) {
    if (!linhaAberta_) AbreLinha();
    if (celulaCursor_ != celula_) {
      while (celula_ >= tabela_->columns() && tabela_->columns() < kMaxColunas)
        tabela_->appendColumns(1);
      celula_ = std::min(celula_, tabela_->columns() - 1);
      cursor_ = tabela_->cellAt(linhaTabela_, celula_).lastCursorPosition();
      celulaCursor_ = celula_;
      vazio_ = cursor_.block().length() <= 1;
    }
  } else if (tabela_) {
    SaiDaTabela();
  }
}

void Construtor::AbreLinha() {
  const int n = std::clamp(int(linha_->cellx.size()), 1, kMaxColunas);
  if (!tabela_) {
    QTextTableFormat tf;
    tf.setCellSpacing(0);
    tf.setCellPadding(TwipsParaDoc(std::clamp(linha_->gap, 0, 1440)));
    tf.setBorderCollapse(true);
    if (linha_->bordas) {
      tf.setBorder(1);
      tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
      tf.setBorderBrush(Qt::black);
    } else {
      tf.setBorder(0);
    }
    QList<QTextLength> larguras;
    QList<int> bordasTwips;
    int antes = 0;
    for (int i = 0; i < n && i < linha_->cellx.size(); ++i) {
      const int x = linha_->cellx[i];
      larguras << QTextLength(QTextLength::FixedLength, TwipsParaDoc(std::max(x - antes, 144)));
      bordasTwips << x;
      antes = x;
    }
    if (!larguras.isEmpty()) tf.setColumnWidthConstraints(larguras);
    tf.setProperty(rtf::kBordasCelulasTwips, QVariant::fromValue(bordasTwips));
    tf.setAlignment(Qt::AlignLeft);
    // The table follows the paragraph before it directly: the empty
    // paragraph that paragraph's \par opened goes after the table instead.
    if (vazio_ && !aposTabela_ && cursor_.block().length() <= 1 && cursor_.block().previous().isValid())
      cursor_.deletePreviousChar();
    tabela_ = cursor_.insertTable(1, n, tf);
    linhaTabela_ = 0;
  } else {
    tabela_->appendRows(1);
    linhaTabela_ = tabela_->rows() - 1;
    while (n > tabela_->columns()) tabela_->appendColumns(1);
  }
  for (int i = 0; i < linha_->sombra.size() && i < tabela_->columns(); ++i) {
    if (!linha_->sombra[i].isValid()) continue;
    QTextTableCell c = tabela_->cellAt(linhaTabela_, i);
    QTextTableCellFormat cf = c.format().toTableCellFormat();
    cf.setBackground(linha_->sombra[i]);
    c.setFormat(cf);
  }
  linhaAberta_ = true;
  celula_ = 0;
  celulaCursor_ = -1;
}

void Construtor::SaiDaTabela() {
  cursor_ = QTextCursor(doc_);
  cursor_.movePosition(QTextCursor::End);
  tabela_ = nullptr;
  linhaAberta_ = false;
  celulaCursor_ = -1;
  vazio_ = cursor_.block().length() <= 1;
  aposTabela_ = true;
}

void Construtor::Texto(const QString& texto, const QTextCharFormat& formato, const Paragrafo& p) {
  if (texto.isEmpty()) return;
  GaranteLugar(p);
  cursor_.insertText(texto, formato);
  vazio_ = false;
  aposTabela_ = false;
}

void Construtor::Imagem(const QTextImageFormat& formato, const Paragrafo& p) {
  GaranteLugar(p);
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
  cursor_.setBlockFormat(bf);
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
                              tabela_->cellAt(linhaTabela_, celulaCursor_).firstPosition() == b.position();
    if (!inicioCelula) cursor_.setBlockCharFormat(marca);
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
  GaranteLugar(p);
  FormataBloco(p, lista);
  cursor_.insertBlock();
  vazio_ = true;
  aposTabela_ = false;
}

void Construtor::QuebraPagina(const Paragrafo& p, const InfoLista* lista) {
  FimParagrafo(p, lista);
  quebraProxima_ = true;
}

void Construtor::Celula(const Paragrafo& p, const InfoLista* lista) {
  GaranteLugar(p);
  FormataBloco(p, lista);

  if (celula_ + 1 < kMaxColunas) ++celula_;
}

void Construtor::FimLinha(const Paragrafo& p) {
  if (!linhaAberta_) {
    // A row of empty cells still shows.
    Paragrafo naTabela = p;
    naTabela.naTabela = true;
    GaranteLugar(naTabela);
  }
  linhaAberta_ = false;
  celula_ = 0;
  celulaCursor_ = -1;
}

void Construtor::Termina(const Paragrafo& p, const InfoLista* lista) {
  if (tabela_ && !p.naTabela) SaiDaTabela();
  if (!tabela_) FormataBloco(p, lista);
}

}  // namespace platform::rtf_interno
