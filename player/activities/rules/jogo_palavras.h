// What hangman and scrambled word share: the chosen words played one at a
// time into slots, five misses losing a word, the hanging figure, the hint
// modes, the percentage and the report lines.  Each game adds how a letter
// reaches a slot.
#pragma once

#include <QList>
#include <algorithm>
#include <QString>
#include <QStringList>

#include "files/registros.h"
#include "player/activities/rules/palavras.h"

namespace zelmo::regras {

inline constexpr int kErrosParaPerder = 5;

// The page's Dica.
enum ModoDica : int { kDicaSolicita = 0, kDicaNunca = 1, kDicaSempre = 2, kDicaUltimaChance = 3 };

// Which pictures of the figure are shown.
struct Figura {
  bool banco = true;
  bool cabeca = false;
  bool corpo = false;
  bool braco1 = false;
  bool braco2 = false;
  bool perna1 = false;
  bool perna2 = false;
  bool ossos = false;
  bool operator==(const Figura&) const = default;
};

// Stage n of the figure (1 head, 2 body, 3 arms, 4 legs, 5 the fall: only the
// bones are left); any other n changes nothing.
void DesenhaEstagio(Figura& figura, int n);

// What one letter or drop did.
struct Jogada {
  bool aceita = false;      // judged at all (not ignored)
  QList<int> reveladas;     // slots (1-based) that got their character, in order
  bool errou = false;       // a miss: the figure grew to `estagio`
  int estagio = 0;
  bool mostraDica = false;  // the last-chance hint is due now
  bool resolvida = false;   // every slot is filled
  bool perdida = false;     // fifth miss: the word is shown and listed
};

class JogoPalavras {
 public:
  JogoPalavras(QList<files::RegPalavra> palavras, int modoDica);
  virtual ~JogoPalavras() = default;

  int N() const { return static_cast<int>(palavras_.size()); }
  // 0-based; -1 before the first word, N once every word is done.
  int indice() const { return indice_; }
  bool concluida() const { return indice_ >= N(); }
  int perdidas() const { return perdidas_; }
  int dicasPedidas() const { return dicasPedidas_; }
  int errosPalavra() const { return errosPalavra_; }
  int modoDica() const { return modoDica_; }
  const QList<files::RegPalavra>& palavras() const { return palavras_; }

  // The current word (empty outside the play).
  QString palavra() const;
  int L() const { return static_cast<int>(palavra().size()); }
  QString dica() const;  // Dica1 + Dica2 of the current word

  // Slot i (1..20): its caption and whether it is shown.
  QString rotulo(int i) const;
  bool visivel(int i) const;
  bool resolvida() const;  // each slot 1..L has a caption
  const Figura& figura() const { return figura_; }

  // A new board: the figure back on its stool, every slot hidden and empty.
  virtual void Limpa();
  // To the next word; false when there is none (the activity is complete).
  bool Proximo();

  QString Rodada() const;          // "Palavra <i> de <N>"
  QString DicaNaPalavra() const;   // the hint box at a new word
  bool dicaDisponivel() const { return dicaDisponivel_; }
  // btnDica: the hint, counted; empty (and nothing counted) when not offered.
  QString PedeDica();

  // Every slot shows the word's own character.
  void MostraResposta();

  // Words finished (solved or lost) against N, rounded.
  int Porcentagem() const;
  int corretas() const { return std::max(indice_, 0) - perdidas_; }
  QStringList LinhasContagem(int consultas) const;
  bool condicaoErro() const { return perdidas_ > 0; }

 protected:
  // Slots and pieces of the word just made current.
  virtual void PreparaPalavra() = 0;
  // A miss: one more error, the figure's next stage.
  void Erra(Jogada& j);
  // After a play: solved, or lost at the fifth miss (the answer shown).
  void Fecha(Jogada& j);

  QStringList rotulos_;   // 20 slots
  QList<bool> visiveis_;

 private:
  QList<files::RegPalavra> palavras_;
  int modoDica_;
  int indice_ = -1;
  int perdidas_ = 0;
  int dicasPedidas_ = 0;
  int errosPalavra_ = 0;
  bool dicaDisponivel_ = false;
  Figura figura_;
};

}  // namespace zelmo::regras
