// The form the phrases and tests editors share: the phrase or question in a
// 500-character memo kept in two fields, the right option and three wrong
// ones, each a 250-character memo.  The two editors differ in their names,
// their buffers and files, and their Valida.
#pragma once

#include "authoring/editors/editor_registros.h"

class QLabel;

namespace files {
struct RegFrase;
}

namespace pravo {

class Memo;

class FormFrase : public EditorRegistros {
  Q_OBJECT
 public:
  // `nomeMemo` and `rotulo`: "memFrase" and "Frase:", or "memTeste" and
  // "Teste:".
  FormFrase(const DescricaoEditor& descricao, files::RegFrase& buffer, const char* nomeMemo,
            const QString& rotulo, QWidget* dono);

  Memo* memTexto;  // memFrase or memTeste
  Memo* memCorreta;
  Memo* memErrada1;
  Memo* memErrada2;
  Memo* memErrada3;
  QLabel* lblTexto;

 protected:
  void Limpa() override;
  QByteArray ParaRegistro() override;
  void DoRegistro(const QByteArray& bytes) override;
  void FocoAposMudanca() override;

 private:
  files::RegFrase& buffer_;
};

}  // namespace pravo
