// The control words of the RTF reader.  A word it does not know is passed
// over; a destination it does not know, marked with \*, is skipped whole.
#include <algorithm>

#include "platform/rtf/interno/leitor.h"
#include "platform/rtf/interno/palavras.h"

namespace platform::rtf_interno {

void Leitor::Palavra(const QByteArray& palavra, bool temParam, int param) {
  const auto& tabela = Tabela();
  auto it = tabela.constFind(palavra);
  const bool asterisco = asterisco_;
  asterisco_ = false;
  if (it == tabela.constEnd()) {
    // An unknown destination marked \* is skipped with all it holds.
    if (asterisco) {
      DescarregaBytes();
      g().destino = Destino::Ignora;
    }
    return;
  }
  const P cmd = it.value();
  const bool liga = !temParam || param != 0;  // \b and \b1 on, \b0 off
  Grupo& gr = g();
  Caractere& c = gr.c;
  Paragrafo& p = gr.p;
  const Destino destino = gr.destino;

  // Whatever changes the state ends the text before it.
  if (cmd != P::U && cmd != P::Uc) DescarregaBytes();

  switch (cmd) {
    case P::Rtf:
    case P::Aceitar:
    case P::ShpPict:
      break;
    case P::Ignorar:
      gr.destino = Destino::Ignora;
      break;
    case P::FonteTabela:
      gr.destino = Destino::Fontes;
      break;
    case P::CorTabela:
      gr.destino = Destino::Cores;
      r_ = gr_ = bl_ = -1;
      break;
    case P::Pict:
      if (destino != Destino::Texto) {
        gr.destino = Destino::Ignora;
        break;
      }
      AntesDaEstrutura();
      gr.destino = Destino::Figura;
      figura_ = DadosFigura();
      nibble_ = -1;
      break;
    case P::ListTable:
      gr.destino = Destino::Listas;
      break;
    case P::List:
      if (destino == Destino::Listas) {
        gr.destino = Destino::Lista;
        listas_ << ListaDef();
      } else {
        gr.destino = Destino::Ignora;
      }
      break;
    case P::ListLevel:
      if (destino == Destino::Lista && !listas_.isEmpty()) {
        gr.destino = Destino::NivelLista;
        if (listas_.last().niveis.size() < 9) listas_.last().niveis << NivelDef();
      } else {
        gr.destino = Destino::Ignora;
      }
      break;
    case P::LevelText:
      gr.destino = destino == Destino::NivelLista ? Destino::NivelTexto : Destino::Ignora;
      break;
    case P::ListOverrideTable:
      gr.destino = Destino::Sobreposicoes;
      break;
    case P::ListOverride:
      gr.destino = destino == Destino::Sobreposicoes ? Destino::Sobreposicao : Destino::Ignora;
      sobreposicaoId_ = 0;
      break;
    case P::ListText:
    case P::PnText:
      if (destino != Destino::Texto) {
        gr.destino = Destino::Ignora;
        break;
      }
      DescarregaRun();
      marca_.clear();
      gr.destino = Destino::MarcaLista;
      break;
    case P::Pn:
      if (destino != Destino::Texto) {
        gr.destino = Destino::Ignora;
        break;
      }
      gr.destino = Destino::Pn;
      p.pnAntes.clear();
      p.pnDepois.clear();
      break;
    case P::PnTxtA:
      gr.destino = destino == Destino::Pn ? Destino::PnDepois : Destino::Ignora;
      break;
    case P::PnTxtB:
      gr.destino = destino == Destino::Pn ? Destino::PnAntes : Destino::Ignora;
      break;

    case P::Deff:
      deff_ = param;
      TabelasMudaram();
      break;
    case P::AnsiCpg:
      if (param > 0) ansicpg_ = param;
      break;
    case P::Ansi:
      ansicpg_ = 1252;
      break;
    case P::Mac:
      ansicpg_ = 10000;
      break;
    case P::Pc:
      ansicpg_ = 437;
      break;
    case P::Pca:
      ansicpg_ = 850;
      break;
    case P::FCharset:
      if (destino == Destino::Fontes) {
        TabelasMudaram();
        fontes_[fonteAtual_].charset = param;
      }
      break;
    case P::Cpg:
      if (destino == Destino::Fontes) {
        TabelasMudaram();
        fontes_[fonteAtual_].codepage = param;
      }
      break;
    case P::Red:
      r_ = param;
      break;
    case P::Green:
      gr_ = param;
      break;
    case P::Blue:
      bl_ = param;
      break;

    case P::Plain: {
      const int fonte = -1;
      c = Caractere();
      c.fonte = fonte;
      break;
    }
    case P::B:
      c.negrito = liga;
      break;
    case P::I:
      c.italico = liga;
      break;
    case P::Ul:
      c.sublinhado = liga;
      break;
    case P::UlNone:
      c.sublinhado = false;
      break;
    case P::Strike:
      c.riscado = liga;
      break;
    case P::F:
      if (destino == Destino::Fontes) {
        fonteAtual_ = param;
        if (fontes_.size() < kMaxFontes) {
          TabelasMudaram();
          fontes_[param].nome.clear();
        }
      } else {
        c.fonte = param;
      }
      break;
    case P::Fs:
      c.meiosPontos = temParam ? std::clamp(param, 2, 3276) : 24;
      break;
    case P::Cf:
      c.cor = param;
      break;
    case P::Cb:
    case P::Highlight:
      c.fundo = param;
      break;
    case P::Super:
      c.vertical = liga ? 1 : 0;
      break;
    case P::Sub:
      c.vertical = liga ? 2 : 0;
      break;
    case P::NoSuperSub:
      c.vertical = 0;
      break;
    case P::V:
      c.oculto = liga;
      break;
    case P::Caps:
      c.maiusculas = liga;
      break;
    case P::Scaps:
      c.versalete = liga;
      break;

    case P::Pard:
      if (destino == Destino::Texto) DescarregaRun();
      p = Paragrafo();
      break;
    case P::Ql:
      p.alinhamento = Qt::AlignLeft;
      break;
    case P::Qr:
      p.alinhamento = Qt::AlignRight;
      break;
    case P::Qc:
      p.alinhamento = Qt::AlignHCenter;
      break;
    case P::Qj:
      p.alinhamento = Qt::AlignJustify;
      break;
    case P::Li:
      p.li = param;
      break;
    case P::Ri:
      p.ri = param;
      break;
    case P::Fi:
      p.fi = param;
      break;
    case P::Sb:
      p.sb = param;
      break;
    case P::Sa:
      p.sa = param;
      break;
    case P::Sl:
      p.sl = param;
      break;
    case P::SlMult:
      p.slmult = liga;
      break;
    case P::Tx:
      if (p.tabs.size() < 64) p.tabs << Tabulacao{param, p.proximaTab};
      p.proximaTab = QTextOption::LeftTab;
      break;
    case P::Tqr:
      p.proximaTab = QTextOption::RightTab;
      break;
    case P::Tqc:
      p.proximaTab = QTextOption::CenterTab;
      break;
    case P::Tqdec:
      p.proximaTab = QTextOption::DelimiterTab;
      break;
    case P::InTbl:
      if (destino == Destino::Texto) DescarregaRun();
      p.naTabela = liga;
      break;
    case P::Itap:
      if (destino == Destino::Texto) DescarregaRun();
      p.naTabela = param > 0;
      break;
    case P::PageBb:
      p.quebraAntes = liga;
      break;
    case P::Ls:
      if (destino == Destino::Sobreposicao) {
        if (sobreposicoes_.size() < kMaxFontes) sobreposicoes_.insert(param, sobreposicaoId_);
      } else {
        p.ls = std::max(0, param);
      }
      break;
    case P::Ilvl:
      p.ilvl = param;
      break;
    case P::PnLvlBlt:
      p.pnTipo = 1;
      p.pnNivel = 1;
      break;
    case P::PnLvlBody:
      p.pnTipo = 2;
      p.pnNivel = 1;
      break;
    case P::PnLvlCont:
      p.pnTipo = 0;
      break;
    case P::PnLvl:
      p.pnTipo = 2;
      p.pnNivel = std::clamp(param, 1, 9);
      break;
    case P::PnDec:
      p.pnEstilo = QTextListFormat::ListDecimal;
      break;
    case P::PnUcRm:
      p.pnEstilo = QTextListFormat::ListUpperRoman;
      break;
    case P::PnLcRm:
      p.pnEstilo = QTextListFormat::ListLowerRoman;
      break;
    case P::PnUcLtr:
      p.pnEstilo = QTextListFormat::ListUpperAlpha;
      break;
    case P::PnLcLtr:
      p.pnEstilo = QTextListFormat::ListLowerAlpha;
      break;

    case P::Par:
      FimParagrafo(false);
      break;
    case P::Page:
      FimParagrafo(true);
      break;
    case P::Line:
      Emite(QString(QChar::LineSeparator));
      break;
    case P::Tab:
      Emite(QStringLiteral("\t"));
      break;
    case P::EmDash:
      Emite(QString(QChar(0x2014)));
      break;
    case P::EnDash:
      Emite(QString(QChar(0x2013)));
      break;
    case P::Bullet:
      Emite(QString(QChar(0x2022)));
      break;
    case P::LQuote:
      Emite(QString(QChar(0x2018)));
      break;
    case P::RQuote:
      Emite(QString(QChar(0x2019)));
      break;
    case P::LDblQuote:
      Emite(QString(QChar(0x201C)));
      break;
    case P::RDblQuote:
      Emite(QString(QChar(0x201D)));
      break;
    case P::EmSpace:
      Emite(QString(QChar(0x2003)));
      break;
    case P::EnSpace:
      Emite(QString(QChar(0x2002)));
      break;
    case P::QmSpace:
      Emite(QString(QChar(0x2005)));
      break;
    case P::U: {
      DescarregaBytes();
      const int v = param < 0 ? param + 65536 : param;
      if (temParam && v > 0 && v <= 0xFFFF && destino != Destino::Figura) Emite(QString(QChar(char16_t(v))));
      pular_ = gr.uc;
      break;
    }
    case P::Uc:
      gr.uc = std::clamp(param, 0, 16);
      break;

    case P::TRowD:
      linha_ = Linha();
      break;
    case P::CellX:
      if (linha_.cellx.size() < 64) {
        linha_.cellx << std::clamp(param, 0, 31680 * 2);
        linha_.sombra << linha_.proximaSombra;
      }
      linha_.proximaSombra = QColor();
      break;
    case P::ClCbPat:
      linha_.proximaSombra = Cor(param);
      break;
    case P::Borda:
      linha_.bordas = true;
      break;
    case P::TrGaph:
      linha_.gap = param;
      break;
    case P::Cell:
      Celula();
      break;
    case P::NestCell:
      Emite(QStringLiteral("\t"));
      break;
    case P::Row:
      if (destino == Destino::Texto) {
        AntesDaEstrutura();
        construtor_.FimLinha(p);
      }
      break;
    case P::NestRow:
      FimParagrafo(false);
      break;

    case P::PngBlip:
      figura_.tipo = QStringLiteral("png");
      break;
    case P::JpegBlip:
      figura_.tipo = QStringLiteral("jpeg");
      break;
    case P::DiBitmap:
      figura_.tipo = QStringLiteral("dib");
      break;
    case P::WBitmap:
      figura_.tipo = QStringLiteral("wbitmap");
      break;
    case P::WMetafile:
      figura_.tipo = QStringLiteral("wmf");
      break;
    case P::EmfBlip:
      figura_.tipo = QStringLiteral("emf");
      break;
    case P::OutraFigura:
      figura_.tipo = QString::fromLatin1(palavra);
      break;
    case P::PicW:
      figura_.picw = param;
      break;
    case P::PicH:
      figura_.pich = param;
      break;
    case P::PicWGoal:
      figura_.goalw = param;
      break;
    case P::PicHGoal:
      figura_.goalh = param;
      break;
    case P::PicScaleX:
      figura_.escalaX = param;
      break;
    case P::PicScaleY:
      figura_.escalaY = param;
      break;
    case P::WbmBitsPixel:
      figura_.wbmBits = param;
      break;
    case P::WbmWidthBytes:
      figura_.wbmLarguraBytes = param;
      break;

    case P::ListId:
      if (destino == Destino::Lista && !listas_.isEmpty()) {
        listas_.last().id = param;
        indiceLista_.insert(param, int(listas_.size()) - 1);
      }
      if (destino == Destino::Sobreposicao) sobreposicaoId_ = param;
      break;
    case P::LevelNfc:
    case P::LevelNfcN:
      if (destino == Destino::NivelLista && !listas_.isEmpty() && !listas_.last().niveis.isEmpty())
        listas_.last().niveis.last().nfc = param;
      break;
  }
}

}  // namespace platform::rtf_interno
