// The hypertext editor's tests' fixture: a program folder with a page, its
// text, sound and picture, the authoring windows made as the splash makes
// them, and the player's viewer on what the editor stored.
#pragma once

#include "authoring/documents/hiper.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QHeaderView>

#include "authoring/documents/documentos.h"
#include "authoring/documents/figura.h"
#include "authoring/documents/itens.h"
#include "authoring/documents/lista.h"
#include "authoring/documents/titulo.h"
#include "authoring/global.h"
#include "authoring/janelas.h"
#include "authoring/escolha_arquivo.h"
#include "files/arquivo_registros.h"
#include "files/geometria_hiper.h"
#include "files/pastas.h"
#include "platform/escala.h"
#include "platform/imagem.h"
#include "platform/quadro_hiper.h"
#include "platform/rtf/texto_rico.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/pages/hiper.h"
#include "support/aplicacao.h"
#include "support/modal.h"
#include "support/pasta_temporaria.h"
#include "windows/pages/apoio_hiper.h"
#include "windows/pages/apoio_paginas.h"

namespace apoio_hiper_editor {

using pravo::TfrmItens;

// Answers every message box that opens while it lives, counting them.
class ContaMensagens {
 public:
  ContaMensagens() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); caixa && caixa->isVisible()) {
        ++quantas;
        textos << caixa->text();
        caixa->done(QMessageBox::Ok);
      }
    });
    timer_.start(5);
  }
  int quantas = 0;
  QStringList textos;

 private:
  QTimer timer_;
};

class EditorHiper : public ::testing::Test {
 protected:
  // The screen the windows are made for.
  virtual platform::Tela TelaDoTeste() const { return {1024, 768, 96}; }

  void SetUp() override {
    apoio::Aplicacao();
    platform::DefineTela(TelaDoTeste());
    pravo::ReiniciaGlobais();
    pravo::DirPrograma = pasta.caminho();
    pravo::DirAssunto = pasta.caminho() + "bio/";
    pravo::DirHiper = pravo::DirAssunto;
    pravo::ArqHiper = pravo::DirHiper + "pagina.hpr";
    pasta.Escreve("bio/texto.rtf", "{\\rtf1\\ansi Texto da p\\'e1gina\\par}");
    pasta.Escreve("bio/som.wav", "RIFF");
    pasta.Escreve("bio/outra.hpr", "");
    apoio::GravaFigura(pasta.caminho() + "bio/figura.bmp", QSize(200, 100), Qt::red);
    pravo::RegistraDocumentos();
    pravo::CriaJanelas(nullptr);
    editor = qobject_cast<pravo::TfrmHiper*>(pravo::Janela("TfrmHiper"));
    itens = pravo::JanelaItens();
    figura = pravo::JanelaFigura();
  }
  void TearDown() override {
    pravo::DestroiJanelas();
    pravo::ReiniciaGlobais();
    platform::UsaTelaReal();
  }

  files::RegHiper PaginaGravada() const {
    const QList<QByteArray> r = files::LeTodos(pravo::ArqHiper, files::RegHiper::Tamanho);
    return r.isEmpty() ? files::RegHiper() : files::RegHiper::DeBytes(r.front());
  }
  QList<files::RegItem> ItensGravados() const {
    QList<files::RegItem> r;
    for (const QByteArray& b : files::LeTodos(files::ArquivoItens(pravo::ArqHiper), files::RegItem::Tamanho))
      r << files::RegItem::DeBytes(b);
    return r;
  }
  // Opening and closing as the menu's modal showing does, without the loop.
  void Abre() { editor->FormActivate(); }
  void Fecha() { editor->FormClose(); }

  void Linha(int r, const QString& item, const QString& arquivo, const QString& x, const QString& y) {
    if (itens->RowCount() <= r) itens->DefineRowCount(r + 1);
    itens->DefineCell(TfrmItens::kItem, r, item);
    itens->DefineCell(TfrmItens::kArquivo, r, arquivo);
    itens->DefineCell(TfrmItens::kX, r, x);
    itens->DefineCell(TfrmItens::kY, r, y);
  }

  // The player's viewer on pagina.hpr as the run shows it: `olha` runs once
  // it is up, and "Próxima" then leaves it.
  void NoVisualizador(const std::function<void(zelmo::TfrmHiper&)>& olha) {
    zelmo::ReiniciaGlobais();
    zelmo::DirPrograma = pasta.caminho();
    zelmo::DirAssunto = pravo::DirAssunto;
    files::RegPagina p;
    p.Tipo = files::kHipertexto;
    p.Arquivo = "pagina.hpr";
    p.Prepara();
    zelmo::AtividadeAtual = p;
    zelmo::TfrmHiper visor;
    apoio::Quando([&] { return visor.isVisible() && visor.ativada(); }, [&] {
      olha(visor);
      visor.btnProxima->click();
    });
    EXPECT_EQ(visor.exec(), 1);
    zelmo::ReiniciaGlobais();
  }

  apoio::PastaTemporaria pasta;
  pravo::TfrmHiper* editor = nullptr;
  TfrmItens* itens = nullptr;
  pravo::TfrmFigura* figura = nullptr;
};


}  // namespace apoio_hiper_editor
