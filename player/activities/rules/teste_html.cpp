#include "player/activities/rules/teste_html.h"

#include "files/convencoes.h"

namespace zelmo::regras {

bool TesteRespondivel(const files::RegTesteHTML& teste) {
  return teste.Verifica() && teste.Alternativas >= 1 && teste.Alternativas <= kMaximoAlternativas &&
         teste.Correta >= 0 && teste.Correta < teste.Alternativas;
}

bool TesteDuplicado(const files::RegTesteHTML& novo, const files::RegTesteHTML& aceito) {
  return novo.ArquivoHTML == aceito.ArquivoHTML;
}

const RegrasSelecao<files::RegTesteHTML>& RegrasTestesHTML() {
  static const RegrasSelecao<files::RegTesteHTML> regras = [] {
    RegrasSelecao<files::RegTesteHTML> r;
    r.verifica = TesteRespondivel;
    r.duplicado = TesteDuplicado;
    return r;
  }();
  return regras;
}

QString Letra(int c) { return QString(QChar(char16_t(97 + c))); }

QStringList LetrasAlternativas(int alternativas) {
  QStringList letras;
  for (int k = 0; k < alternativas && k < kMaximoAlternativas; ++k) letras << Letra(k);
  return letras;
}

JogoTesteHTML::JogoTesteHTML(QList<files::RegTesteHTML> testes) : testes_(std::move(testes)) {}

bool JogoTesteHTML::Proximo() {
  if (i_ < N()) ++i_;
  return i_ <= N() - 1;
}

QString JogoTesteHTML::Rodada() const { return QStringLiteral("Teste %1 de %2").arg(i_ + 1).arg(N()); }

Resposta JogoTesteHTML::Julga(int escolhida, QStringList* listaErros) {
  if (escolhida < 0 || !temTeste()) return Resposta::SemEscolha;
  if (escolhida == teste().Correta) {
    ++acertos_;
    return Resposta::Certa;
  }
  ++erros_;
  if (listaErros)
    listaErros->append(teste().ArquivoHTML + QStringLiteral(" - Alternativa escolhida: ") + Letra(escolhida));
  return Resposta::Errada;
}

int JogoTesteHTML::Porcentagem() const { return files::Porcentagem(std::max(i_, 0), N()); }

QStringList JogoTesteHTML::LinhasContagem(int consultas) const {
  return {QStringLiteral("Quantidade de Testes: %1 - Acertos: %2 - Erros: %3").arg(N()).arg(acertos_).arg(erros_),
          QStringLiteral("Atividade cumprida: %1 % - Consultas: %2").arg(Porcentagem()).arg(consultas)};
}

}  // namespace zelmo::regras
