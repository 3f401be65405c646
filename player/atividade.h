// The frame every activity window (page kinds 3 to 12) shares: full-screen
// scaling, the activation steps, loading and selecting the records, the
// standard buttons Próxima, Sair, Consulta (and Ajuda), completion, the
// report block's frame, and the refusal to close before the activity is
// finished.  Each activity supplies its board, its rules and its lines
// through the hooks below.
//
// Modal results: 1 goes on with the next page, 2 ends the run.  A window that
// cannot load its file ends the program (EncerraPrograma): its modal loop ends
// with 2 without FormClose, so it adds no block.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include "files/registros.h"
#include "player/activities/rules/quadro.h"
#include "player/activities/rules/selecao.h"
#include "player/global.h"

class QPushButton;

namespace zelmo {

// The row of standard buttons at the foot of the window, by family.
enum class LinhaBotoes {
  ComAjuda,    // word search, crossword: Consulta, Ajuda, Sair, Próxima
  ComDica,     // hangman, scrambled word: Consulta, (Dica), Sair, Próxima
  Pronto188,   // fill-in phrases, association, true or false: (Pronto at 188) ...
  Pronto116,   // tests, locate, HTML tests: (Pronto at 116) ...
};

class TfrmAtividade : public QDialog {
  Q_OBJECT
 public:
  TfrmAtividade(QWidget* dono, const QString& caption, LinhaBotoes linha,
                regras::VarianteProxima proxima = regras::VarianteProxima::Primeira,
                regras::VarianteConclusao conclusao = regras::VarianteConclusao::Primeira);
  ~TfrmAtividade() override;

  QPushButton* btnProxima = nullptr;
  QPushButton* btnSair = nullptr;
  QPushButton* btnConsulta = nullptr;
  QPushButton* btnAjuda = nullptr;  // word search and crossword only

  // Runs once, when the window is first shown (and its modal loop runs);
  // a later call does nothing.
  void FormActivate();
  void btnProximaClick();
  void btnSairClick();
  void btnConsultaClick();
  // False (the window stays) while the activity is not finished; else the
  // block goes to LinhasRelatorio, the board is cleared and sounds stop.
  bool FormClose();

  bool ativada() const { return ativada_; }
  bool terminado() const { return terminado_; }
  int consultas() const { return consultas_; }

  // 0 keeps the window; any other result closes it only through FormClose.
  void done(int r) override;
  // Escape and the window system's close are refused.
  void reject() override;

 protected:
  // Scales the window (full-screen rule); derived constructors call it after
  // building their components.
  void FormCreate();

  // ---- What each activity supplies -----------------------------------
  // Loads and selects the records; false when the program was told to end.
  virtual bool Iniciar() = 0;
  // Word search and crossword lay out their first round inside Iniciar.
  virtual bool TemProximo() const { return true; }
  virtual void Proximo() {}
  virtual void Limpa() {}
  virtual void MostraResposta() = 0;
  virtual int Porcentagem() const = 0;  // P
  virtual int Erros() const = 0;        // E
  // Activation step 3: the activity's own counters and labels.
  virtual void ZeraContadores() {}
  virtual QString TituloRelatorio() const = 0;          // "JOGO DA FORCA"
  virtual QStringList LinhasContagem() const = 0;       // its count lines
  virtual bool CondicaoErro() const { return Erros() > 0; }
  virtual QString CabecalhoErros() const = 0;           // "Palavras não descobertas:"
  // FormClose step 3 (HTML tests clear their choice instead).
  virtual void LimpaAoFechar() { Limpa(); }

  // ---- Services for the activities -------------------------------------
  // A button of the row, in design units.
  QPushButton* CriaBotao(const QString& nome, const QString& texto, int left, int width);
  // The judge button "Pronto" at `left`: the window's default button, in the
  // tab order after Consulta, and the button the focus starts on, so that
  // Enter judges until the student herself moves the focus to another
  // button.
  QPushButton* CriaPronto(int left);
  // The tab order, in this order: each widget that Tab reaches, or for one
  // it does not reach (a radio group, a panel), the widgets inside it that
  // it does.
  void OrdemDeTab(const QList<QWidget*>& ordem);
  // Loading steps 1 to 5: seeds the generator, keeps DirAssunto + Arquivo in
  // *caminho, and checks that the file exists and holds records.  Returns the
  // record count, or -1 after the failure's message has ended the program.
  qint64 AbreDados(const regras::FormatoDados& formato, QString* caminho);
  // Loading step 8's reading (sequential, or random with the activity's
  // duplicate rule); false after a corrupt record or a read failure ended the
  // program.
  template <class R>
  bool SelecionaItens(const regras::FormatoDados& formato, const QString& caminho, int n, bool aleatoria,
                      const regras::RegrasSelecao<R>& regrasSelecao, QList<R>* itens,
                      const QList<R>& aceitos = {}) {
    auto c = regras::SelecionaDoArquivo<R>(caminho, n, aleatoria, Gerador, regrasSelecao, aceitos);
    if (c.falha != regras::FalhaCarga::Nenhuma) {
      FalhaDeCarga(regras::TextoFalha(formato, c.falha, c.erroES));
      return false;
    }
    *itens = std::move(c.itens);
    return true;
  }
  // A data-file failure: the message (caption "Zelmo II"), then the end of
  // the program.
  void FalhaDeCarga(const QString& texto);
  // The activity has no next item: finished, result 1, the message; the
  // window closes when the handler that got here returns (Resolve).
  void Conclui(int erros);
  // Ends a handler: a finished activity closes now with its result.  Every
  // handler that can finish the activity calls it last.
  void Resolve();
  // Lets pending window messages be handled (a change is painted).
  static void Processa();
  // The activity was left (Próxima, Sair, a consultation that ended the run)
  // or the program is ending: a handler that let messages be handled plays
  // nothing more.
  bool Interrompida() const;

  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  regras::VarianteProxima varianteProxima_;
  regras::VarianteConclusao varianteConclusao_;
  QPushButton* pronto_ = nullptr;
  bool agendada_ = false;
  bool ativada_ = false;
  bool terminado_ = false;
  bool fechada_ = false;
  int resultado_ = 0;
  int consultas_ = 0;
};

}  // namespace zelmo
