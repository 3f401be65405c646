// HTML tests ("Testes HTML", page kind 12): each test is an HTML page of the
// subject shown in the browser, with the letters of its alternatives below;
// "Pronto" judges the chosen letter.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "player/activities/rules/teste_html.h"
#include "player/atividade.h"

namespace platform {
class GrupoRadio;
class Navegador;
}  // namespace platform

namespace zelmo {

class TfrmTesteHTML : public TfrmAtividade {
  Q_OBJECT
 public:
  explicit TfrmTesteHTML(QWidget* dono = nullptr);
  ~TfrmTesteHTML() override;

  QLabel* lblTitulo;
  QLabel* lblAcertos;
  QLabel* lblErros;
  QLabel* lblRodada;
  QFrame* Panel3;
  QFrame* Panel1;
  platform::Navegador* WebBrowser1;
  QFrame* Panel2;
  QLabel* Label1;
  platform::GrupoRadio* RadioGroup1;
  QPushButton* btnPronto;

  const regras::JogoTesteHTML* jogo() const { return jogo_.get(); }
  // A test is being loaded or a right answer's pause runs: the answer
  // buttons are off and nothing is judged.
  bool ocupado() const { return ocupado_; }

  void btnProntoClick();
  void RadioGroup1Click();
  void WebBrowser1NavigateComplete2();

 protected:
  bool Iniciar() override;
  void Proximo() override;
  void MostraResposta() override;
  int Porcentagem() const override;
  int Erros() const override;
  void ZeraContadores() override;
  QString TituloRelatorio() const override;
  QStringList LinhasContagem() const override;
  QString CabecalhoErros() const override;
  void LimpaAoFechar() override;

 private:
  bool EscolheTestes(int n, QList<files::RegTesteHTML>* testes);
  bool EscolheTestes1(int n, QList<files::RegTesteHTML>* testes);
  bool EscolheTestes2(int n, QList<files::RegTesteHTML>* testes);
  void NavegaBranco();
  void HabilitaResposta(bool sim);
  void OrdemDasLetras();
  void MostraRodada(const QString& texto);
  bool Interrompida() const;

  std::unique_ptr<regras::JogoTesteHTML> jogo_;
  bool carregado_ = false;
  bool ocupado_ = false;
};

}  // namespace zelmo
