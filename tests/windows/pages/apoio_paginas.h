// What the text-page window tests share: a program folder with a subject
// folder "bio/", the player's globals pointed at it on a 1024 x 768 screen
// at 96 dpi, and the page record a window reads.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

#include "files/registros.h"
#include "platform/escala.h"
#include "player/aviso.h"
#include "player/despachante.h"
#include "player/global.h"
#include "support/aplicacao.h"
#include "support/pasta_temporaria.h"

namespace apoio {

class TestePagina : public ::testing::Test {
 protected:
  void SetUp() override {
    Aplicacao();
    zelmo::ReiniciaGlobais();
    zelmo::ReiniciaEncerramento();
    platform::DefineTela({1024, 768, 96});
    zelmo::DirPrograma = pasta.caminho();
    zelmo::DirAssunto = pasta.caminho() + "bio/";
  }
  void TearDown() override {
    delete zelmo::frmAviso;
    zelmo::frmAviso = nullptr;
    zelmo::ReiniciaEncerramento();
    zelmo::ReiniciaGlobais();
    platform::UsaTelaReal();
  }

  // AtividadeAtual := a page of the kind, stored as the page-list editor
  // stores it.
  static void Pagina(int tipo, const QString& arquivo, bool sair = true, bool imprimir = true) {
    files::RegPagina p;
    p.Tipo = tipo;
    p.Arquivo = arquivo;
    p.Sair = sair;
    p.Imprimir = imprimir;
    p.Prepara();
    zelmo::AtividadeAtual = p;
  }

  PastaTemporaria pasta;
};

// Runs `acao` once `pronto` holds (or the limit has passed), from a timer
// that never blocks: a page's own waits are nested loops that have to
// return before the page goes on.
inline void Quando(std::function<bool()> pronto, std::function<void()> acao, int limiteMs = 20000) {
  auto* timer = new QTimer(qApp);
  auto relogio = std::make_shared<QElapsedTimer>();
  relogio->start();
  QObject::connect(timer, &QTimer::timeout, [timer, relogio, pronto, acao, limiteMs] {
    if (!pronto() && relogio->elapsed() < limiteMs) return;
    timer->stop();
    timer->deleteLater();
    acao();
  });
  timer->start(5);
}

}  // namespace apoio
