// The road from the teacher's rich-text editor to the student's rich-text
// page: what the editor saves, the player's page shows with the same text
// and the same attributes.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QToolButton>
#include <memory>

#include "authoring/documents/recuos.h"
#include "authoring/documents/texto.h"
#include "files/registros.h"
#include "platform/rtf/texto_rico.h"
#include "player/despachante.h"
#include "player/global.h"
#include "player/pages/rtf.h"
#include "windows/authoring/apoio_documentos.h"
#include "windows/pages/apoio_paginas.h"

namespace {

class EditorAoJogador : public teste::TesteDocumentos {
 protected:
  void SetUp() override {
    TesteDocumentos::SetUp();
    zelmo::ReiniciaGlobais();
    zelmo::ReiniciaEncerramento();
    zelmo::DirPrograma = pasta.caminho();
    zelmo::DirAssunto = pasta.caminho() + "bio/";
    Pasta("bio");
  }
  void TearDown() override {
    zelmo::ReiniciaEncerramento();
    zelmo::ReiniciaGlobais();
    TesteDocumentos::TearDown();
  }

  // Selects [de, ate) of the editor's text.
  static void Seleciona(pravo::TfrmTexto* e, int de, int ate) {
    QTextCursor c(e->Editor->document());
    c.setPosition(de);
    c.setPosition(ate, QTextCursor::KeepAnchor);
    e->Editor->setTextCursor(c);
  }
  static void Paragrafo(pravo::TfrmTexto* e, int n) {
    e->Editor->setTextCursor(QTextCursor(e->Editor->document()->findBlockByNumber(n)));
  }
};

struct Trecho {
  QString texto;
  QString face;
  int tamanho;
  bool negrito, italico, sublinhado;
  bool operator==(const Trecho&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Trecho& t) {
  return o << t.texto.toStdString() << " [" << t.face.toStdString() << " " << t.tamanho << (t.negrito ? " N" : "")
           << (t.italico ? " I" : "") << (t.sublinhado ? " S" : "") << "]";
}

struct Par {
  QList<Trecho> trechos;
  Qt::Alignment alinhamento;
  bool marcadores;
  pravo::Recuos recuos;
  bool operator==(const Par&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Par& p) {
  for (const Trecho& t : p.trechos) o << t << " ";
  return o << "al=" << int(p.alinhamento) << " bul=" << p.marcadores << " rec=" << p.recuos.primeira << "/"
           << p.recuos.esquerda << "/" << p.recuos.direita;
}

// Every paragraph with its runs' attributes, as a teacher or student sees
// them.
QList<Par> Vista(const QTextDocument* doc) {
  QList<Par> r;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    Par p;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      QStringList faces = f.fontFamilies().toStringList();
      const QString face = faces.isEmpty() ? doc->defaultFont().family() : faces.first();
      const int tamanho = int(f.fontPointSize() > 0 ? f.fontPointSize() : doc->defaultFont().pointSizeF());
      p.trechos << Trecho{it.fragment().text(), face, tamanho, f.fontWeight() >= QFont::Bold, f.fontItalic(),
                          f.fontUnderline()};
    }
    p.alinhamento = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (p.alinhamento == Qt::AlignLeading) p.alinhamento = Qt::AlignLeft;
    p.marcadores = pravo::TemMarcadores(b);
    p.recuos = pravo::RecuosDe(b);
    r << p;
  }
  return r;
}

TEST_F(EditorAoJogador, WhatTheEditorSavesThePlayersPageShows) {
  auto editor = std::make_unique<pravo::TfrmTexto>();
  Mostra(editor.get());
  editor->Editor->insertPlainText(QString::fromUtf8("Coração forte e leve"));
  QTest::keyClick(editor->Editor, Qt::Key_Return);
  editor->Editor->insertPlainText(QString::fromUtf8("Título ao centro"));
  QTest::keyClick(editor->Editor, Qt::Key_Return);
  editor->Editor->insertPlainText("Um item");
  QTest::keyClick(editor->Editor, Qt::Key_Return);
  editor->Editor->insertPlainText("Recuado");

  // "Coração" bold, "forte" italic, "leve" underlined in Arial 14.
  Seleciona(editor.get(), 0, 7);
  editor->BoldButton->click();
  Seleciona(editor.get(), 8, 13);
  editor->ItalicButton->click();
  Seleciona(editor.get(), 16, 20);
  editor->UnderlineButton->click();
  emit editor->FontName->textActivated("Arial");
  editor->FontSize->setText("14");
  // The second paragraph centred and in 20 points, the third bulleted, the
  // fourth indented and right-aligned.
  Paragrafo(editor.get(), 1);
  editor->CenterAlign->click();
  {
    QTextCursor c(editor->Editor->document()->findBlockByNumber(1));
    c.select(QTextCursor::BlockUnderCursor);
    editor->Editor->setTextCursor(c);
    editor->FontSize->setText("20");
  }
  Paragrafo(editor.get(), 2);
  editor->BulletsButton->click();
  Paragrafo(editor.get(), 3);
  editor->RightAlign->click();
  pravo::AplicaRecuos(editor->Editor->textCursor(), {36, -18, 9});

  const QList<Par> escrito = Vista(editor->Editor->document());
  ASSERT_EQ(escrito.size(), 4);
  EXPECT_TRUE(escrito[0].trechos.size() >= 3);
  EXPECT_TRUE(escrito[2].marcadores);

  EXPECT_TRUE(Com({teste::Arquivo(pasta.caminho() + "bio/pagina")}, [&] { editor->FileSaveAs(); }));
  editor->close();

  // The student's page.
  files::RegPagina p;
  p.Tipo = files::kTextoRTF;
  p.Arquivo = "pagina.rtf";
  p.Sair = true;
  p.Prepara();
  zelmo::AtividadeAtual = p;
  zelmo::TfrmRTF pagina;
  QList<Par> mostrado;
  apoio::Quando([&] { return pagina.isVisible() && pagina.ativada(); },
                [&] {
                  mostrado = Vista(pagina.RichEdit1->document());
                  pagina.btnProximaClick();
                });
  pagina.exec();
  EXPECT_EQ(mostrado, escrito);
}

}  // namespace
