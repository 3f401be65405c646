#include "files/arquivo_registros.h"

#include "files/abertura.h"
#include "files/gravacao.h"
#include "files/pastas.h"

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <csignal>
#include <cstring>
#include <vector>

namespace files {

namespace {

// Records are copied in blocks of this size when one is inserted or deleted.
constexpr qint64 kBloco = qint64(1) << 20;

// Why opening a file failed, by the system's error number.
IoError::Kind FalhaAbertura(int erro) {
  switch (erro) {
    case ENOENT:
    case ENOTDIR:
      return IoError::Kind::FileNotFound;
    case ENOSPC:
    case EDQUOT:
      return IoError::Kind::DiskFull;
    default:
      return IoError::Kind::AccessDenied;  // a folder, a pipe or device, no permission
  }
}

// A copy out of a mapped file that survives the file being cut meanwhile:
// touching a page past the new end raises SIGBUS, which is turned into a
// failed copy.  Any other SIGBUS goes to the handler there was before.  Only
// the user-interface thread reads mapped records; volatile, so the compiler
// keeps the stores around the copy where they are.
sigjmp_buf* volatile saltoMapa = nullptr;
struct sigaction sinalAnterior;

void SinalDoMapa(int sinal, siginfo_t* info, void* contexto) {
  if (saltoMapa) siglongjmp(*saltoMapa, 1);
  if (sinalAnterior.sa_flags & SA_SIGINFO) {
    sinalAnterior.sa_sigaction(sinal, info, contexto);
  } else if (sinalAnterior.sa_handler != SIG_IGN && sinalAnterior.sa_handler != SIG_DFL) {
    sinalAnterior.sa_handler(sinal);
  } else {
    ::signal(sinal, SIG_DFL);
    ::raise(sinal);
  }
}

bool CopiaDoMapa(char* destino, const uchar* origem, size_t n) {
  static const bool instalado = [] {
    struct sigaction sa {};
    sa.sa_sigaction = SinalDoMapa;
    sa.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&sa.sa_mask);
    return ::sigaction(SIGBUS, &sa, &sinalAnterior) == 0;
  }();
  if (!instalado) return false;
  // The mask need not be saved: the handler runs with SIGBUS unblocked
  // (SA_NODEFER), so none is left blocked after the jump.
  sigjmp_buf salto;
  if (sigsetjmp(salto, 0)) {
    saltoMapa = nullptr;
    return false;
  }
  saltoMapa = &salto;
  std::memcpy(destino, origem, n);
  saltoMapa = nullptr;
  return true;
}

}  // namespace

IoError::IoError(Kind kind, const QString& path) : std::runtime_error(Texto(kind)), kind_(kind), path_(path) {}

const char* IoError::Texto(Kind kind) {
  switch (kind) {
    case Kind::FileNotFound: return "File not found";
    case Kind::AccessDenied: return "Access denied";
    case Kind::ReadBeyondEnd: return "Read beyond end of file";
    case Kind::DiskFull: return "Disk full";
    case Kind::FileNotOpen: return "File not open";
    case Kind::Other: break;
  }
  return "I/O error";
}

RecordFile::RecordFile(int tamanhoRegistro) : tamanho_(tamanhoRegistro) {
  if (tamanho_ <= 0) throw std::invalid_argument("record size must be positive");
}

RecordFile::~RecordFile() = default;

bool RecordFile::aberto() const { return arquivo_ && arquivo_->isOpen(); }

QString RecordFile::caminho() const { return arquivo_ ? caminho_ : QString(); }

void RecordFile::Abre(const QString& caminho, bool edicao) {
  Fecha();
  const QString real = ResolveCaminho(caminho);
  auto f = std::make_unique<QFile>();
  const QIODevice::OpenMode modo = edicao ? QIODevice::ReadWrite : QIODevice::ReadOnly;
  int erro = ENOENT;
  if (real.isEmpty() || !AbreArquivoComum(*f, real, modo | QIODevice::Unbuffered, edicao, &erro))
    throw IoError(FalhaAbertura(erro), caminho);
  arquivo_ = std::move(f);
  caminho_ = real;
  edicao_ = edicao;
}

void RecordFile::AbreLeitura(const QString& caminho) { Abre(caminho, false); }

void RecordFile::AbreEdicao(const QString& caminho) { Abre(caminho, true); }

void RecordFile::Exige() const {
  if (!aberto()) throw IoError(IoError::Kind::FileNotOpen, QString());
}

qint64 RecordFile::Conta() const {
  Exige();
  return arquivo_->size() / tamanho_;
}

void RecordFile::LeEm(qint64 pos, char* destino, qint64 n) {
  if ((arquivo_->pos() != pos && !arquivo_->seek(pos)) || arquivo_->read(destino, n) != n) throw IoError(IoError::Kind::ReadBeyondEnd, caminho());
}

void RecordFile::EscreveEm(qint64 pos, const char* origem, qint64 n) {
  if (!edicao_) throw IoError(IoError::Kind::AccessDenied, caminho());
  if ((arquivo_->pos() != pos && !arquivo_->seek(pos)) || arquivo_->write(origem, n) != n) throw IoError(IoError::Kind::DiskFull, caminho());
}

void RecordFile::Corta(qint64 tamanhoArquivo) {
  if (!edicao_) throw IoError(IoError::Kind::AccessDenied, caminho());
  if (!arquivo_->resize(tamanhoArquivo)) throw IoError(IoError::Kind::AccessDenied, caminho());
}

QByteArray RecordFile::Normaliza(const QByteArray& registro) const {
  QByteArray r = registro.left(tamanho_);
  if (r.size() < tamanho_) r.append(QByteArray(tamanho_ - r.size(), '\0'));
  return r;
}

QByteArray RecordFile::Le(qint64 n) {
  Exige();
  if (n < 1 || n > Conta()) throw IoError(IoError::Kind::ReadBeyondEnd, caminho());
  QByteArray r(tamanho_, Qt::Uninitialized);
  LeEm((n - 1) * tamanho_, r.data(), tamanho_);
  return r;
}

void RecordFile::Escreve(qint64 n, const QByteArray& registro) {
  Exige();
  const qint64 conta = Conta();
  if (n < 1 || n > conta + 1) throw IoError(IoError::Kind::ReadBeyondEnd, caminho());
  const QByteArray r = Normaliza(registro);
  const qint64 antes = arquivo_->size();
  try {
    EscreveEm((n - 1) * tamanho_, r.constData(), tamanho_);
  } catch (const IoError&) {
    // A record appended only in part (the disk filled up) is taken off.
    if (n == conta + 1 && edicao_ && arquivo_->size() != antes) arquivo_->resize(antes);
    throw;
  }
}

void RecordFile::Substitui(qint64 corte, const QByteArray& meio, qint64 de, qint64 ate) {
  if (!edicao_) throw IoError(IoError::Kind::AccessDenied, caminho());
  GravacaoInteira nova(caminho_);
  std::vector<char> bloco(static_cast<size_t>(std::clamp<qint64>(std::max(corte, ate - de), 1, kBloco)));
  const auto copia = [&](qint64 ini, qint64 fim) {
    for (qint64 pos = ini; pos < fim;) {
      const qint64 n = std::min<qint64>(fim - pos, static_cast<qint64>(bloco.size()));
      LeEm(pos, bloco.data(), n);
      nova.Escreve(bloco.data(), n);
      pos += n;
    }
  };
  copia(0, corte);
  nova.Escreve(meio);
  copia(de, ate);
  nova.Sincroniza();
  // The new file is opened before it takes the old one's place: once the
  // rename is done, nothing is left that could fail and leave this object on
  // the old file, which no name leads to any more.
  auto f = std::make_unique<QFile>();
  int erro = ENOENT;
  if (!AbreArquivoComum(*f, GravacaoInteira::Temporario(caminho_), QIODevice::ReadWrite | QIODevice::Unbuffered,
                        false, &erro))
    throw IoError(FalhaDoSistema(erro), caminho());
  nova.Troca();
  arquivo_->close();  // lets a mapping of the old file go
  arquivo_ = std::move(f);
  contaMapa_ = 0;
}

void RecordFile::Insere(qint64 p, const QByteArray& registro) {
  Exige();
  const qint64 conta = Conta();
  if (p < 1 || p > conta + 1) throw IoError(IoError::Kind::ReadBeyondEnd, caminho());
  // A partial record past the old last one goes, as the new last record
  // would overwrite it when moving record by record.
  Substitui((p - 1) * tamanho_, Normaliza(registro), (p - 1) * tamanho_, conta * tamanho_);
}

void RecordFile::Apaga(qint64 p) {
  Exige();
  const qint64 conta = Conta();
  if (p < 1 || p > conta) throw IoError(IoError::Kind::ReadBeyondEnd, caminho());
  // Cutting the file is one step that either happens or not.
  if (p == conta)
    Corta((conta - 1) * tamanho_);
  else
    Substitui((p - 1) * tamanho_, {}, p * tamanho_, conta * tamanho_);
}

const uchar* RecordFile::Mapeia() {
  Exige();
  contaMapa_ = Conta();
  if (contaMapa_ <= 0) return nullptr;
  return arquivo_->map(0, contaMapa_ * tamanho_);
}

QByteArray RecordFile::LeMapeado(const uchar* mapa, qint64 n) {
  if (n < 1 || n > contaMapa_) throw IoError(IoError::Kind::ReadBeyondEnd, caminho());
  QByteArray r(tamanho_, Qt::Uninitialized);
  if (!CopiaDoMapa(r.data(), mapa + (n - 1) * tamanho_, static_cast<size_t>(tamanho_)))
    throw IoError(IoError::Kind::ReadBeyondEnd, caminho());
  return r;
}

void RecordFile::Fecha() {
  if (arquivo_) arquivo_->close();  // lets the mapping go
  arquivo_.reset();
  edicao_ = false;
}

void RecordFile::Reescreve(const QString& caminho, int tamanhoRegistro, const QList<QByteArray>& registros) {
  SubstituiTodos(caminho, tamanhoRegistro, registros);
}

QList<QByteArray> LeTodos(const QString& caminho, int tamanhoRegistro, qint64 maiorContagem) {
  RecordFile arq(tamanhoRegistro);
  arq.AbreLeitura(caminho);
  const qint64 conta = arq.Conta();
  if (maiorContagem >= 0 && conta > maiorContagem) throw IoError(IoError::Kind::Other, caminho);
  QList<QByteArray> r;
  r.reserve(conta);
  for (qint64 n = 1; n <= conta; ++n) r << arq.Le(n);
  arq.Fecha();
  return r;
}

}  // namespace files

namespace files {

void SubstituiTodos(const QString& caminho, int tamanhoRegistro, const QList<QByteArray>& registros) {
  SubstituiJuntos({{caminho, tamanhoRegistro, registros}});
}

void SubstituiJuntos(const QList<NovosRegistros>& arquivos) {
  // Every file's new content is whole on the disk before any is put in
  // place; then the renames follow one another.
  std::vector<std::unique_ptr<GravacaoInteira>> gravacoes;
  for (const NovosRegistros& arq : arquivos) {
    if (arq.tamanhoRegistro <= 0) throw std::invalid_argument("record size must be positive");
    const QString real = ResolveCaminho(arq.caminho);
    if (real.isEmpty()) throw IoError(IoError::Kind::FileNotFound, arq.caminho);
    QByteArray tudo;
    tudo.reserve(static_cast<qsizetype>(arq.registros.size()) * arq.tamanhoRegistro);
    for (const QByteArray& r : arq.registros) {
      QByteArray pedaco = r.left(arq.tamanhoRegistro);
      pedaco.append(QByteArray(arq.tamanhoRegistro - pedaco.size(), '\0'));
      tudo += pedaco;
    }
    gravacoes.push_back(std::make_unique<GravacaoInteira>(real));
    gravacoes.back()->Escreve(tudo);
    gravacoes.back()->Sincroniza();
  }
  for (const auto& g : gravacoes) g->Troca();
}

}  // namespace files
