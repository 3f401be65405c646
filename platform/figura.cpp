#include "platform/figura.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QtEndian>
#include <cerrno>
#include <cstring>

#include "files/abertura.h"
#include "platform/escala.h"
#include "platform/wmf/wmf.h"

namespace platform {

namespace {

struct Conteudo {
  Figura::Formato formato = Figura::Formato::Desconhecido;
  QImage imagem;  // JPEG, BMP, PNG
  Metafile wmf;
  MetafileEmf emf;

  bool Vetorial() const { return formato == Figura::Formato::WMF || formato == Figura::Formato::EMF; }
  QSize Tamanho() const {
    if (formato == Figura::Formato::WMF) return wmf.TamanhoNatural(TelaAtual().dpi);
    if (formato == Figura::Formato::EMF) return emf.TamanhoNatural(TelaAtual().dpi);
    return imagem.size();
  }
  void Reproduz(QPainter& p, const QRectF& destino) const {
    if (formato == Figura::Formato::WMF) wmf.Reproduz(p, destino);
    else emf.Reproduz(p, destino);
  }
  // The metafile played once at a size in pixels: a page paints its
  // picture many times (a marker moving over it, a pane uncovered) at the
  // one size it shows it at.
  const QImage& Tocada(QSize tamanho) const {
    if (tocada.size() != tamanho) {
      tocada = QImage(tamanho, QImage::Format_ARGB32_Premultiplied);
      if (!tocada.isNull()) {
        tocada.fill(Qt::transparent);
        QPainter p(&tocada);
        Reproduz(p, QRectF(QPointF(0, 0), tamanho));
      }
    }
    return tocada;
  }
  mutable QImage tocada;
};

// Files larger than this are not pictures we show.
constexpr qint64 kMaiorArquivo = 512ll * 1024 * 1024;

Figura::Formato PelaExtensao(const QString& caminho) {
  const QString fim = caminho.right(3).toLower();
  if (fim == QLatin1String("jpg") || fim == QLatin1String("peg") || fim == QLatin1String("jpe"))
    return Figura::Formato::JPEG;
  if (fim == QLatin1String("bmp") || fim == QLatin1String("dib")) return Figura::Formato::BMP;
  if (fim == QLatin1String("wmf")) return Figura::Formato::WMF;
  if (fim == QLatin1String("emf")) return Figura::Formato::EMF;
  if (fim == QLatin1String("png")) return Figura::Formato::PNG;
  return Figura::Formato::Desconhecido;
}

Figura::Formato PelaAssinatura(const QByteArray& b) {
  if (b.startsWith("\xFF\xD8\xFF")) return Figura::Formato::JPEG;
  if (b.startsWith("BM")) return Figura::Formato::BMP;
  if (b.startsWith("\x89PNG\r\n\x1A\n")) return Figura::Formato::PNG;
  if (b.size() >= 4 && qFromLittleEndian<quint32>(b.constData()) == 0x9AC6CDD7u) return Figura::Formato::WMF;
  if (b.size() >= 44 && qFromLittleEndian<quint32>(b.constData()) == 1 && b.mid(40, 4) == " EMF")
    return Figura::Formato::EMF;
  if (b.size() >= 6) {
    const int tipo = qFromLittleEndian<quint16>(b.constData());
    const int cabecalho = qFromLittleEndian<quint16>(b.constData() + 2);
    const int versao = qFromLittleEndian<quint16>(b.constData() + 4);
    if ((tipo == 1 || tipo == 2) && cabecalho == 9 && (versao == 0x0100 || versao == 0x0300))
      return Figura::Formato::WMF;
  }
  return Figura::Formato::Desconhecido;
}

bool Decodifica(const QByteArray& bytes, Figura::Formato formato, Conteudo* d, QString* erro) {
  d->formato = formato;
  switch (formato) {
    case Figura::Formato::JPEG:
      d->imagem = DecodificaJPEG(bytes, erro);
      return !d->imagem.isNull();
    case Figura::Formato::BMP:
    case Figura::Formato::PNG: {
      QSize natural;
      d->imagem = LeImagemLimitada(bytes, formato == Figura::Formato::BMP ? "BMP" : "PNG", kMaiorAreaFigura, &natural);
      if (d->imagem.isNull())
        *erro = natural.isValid() && !TamanhoAceito(natural) ? QStringLiteral("Figura grande demais para ser mostrada.")
                : formato == Figura::Formato::BMP              ? QStringLiteral("Bitmap inválido.")
                                                               : QStringLiteral("Figura PNG inválida.");
      return !d->imagem.isNull();
    }
    case Figura::Formato::WMF:
      return d->wmf.Carrega(bytes, erro);
    case Figura::Formato::EMF:
      return d->emf.Carrega(bytes, erro);
    default:
      *erro = QStringLiteral("Formato de figura desconhecido.");
      return false;
  }
}

}  // namespace

struct Figura::Dados : Conteudo {};

Figura::Figura() = default;
Figura::~Figura() = default;
Figura::Figura(const Figura&) = default;
Figura& Figura::operator=(const Figura&) = default;

bool Figura::Carrega(const QString& caminho) {
  QFile f;
  int erro = 0;
  if (!files::AbreArquivoComum(f, caminho, QIODevice::ReadOnly, false, &erro)) {
    erro_ = erro == ENOENT || erro == ENOTDIR || erro == EISDIR || erro == ENXIO
                ? QStringLiteral("Arquivo de figura não encontrado: %1").arg(QFileInfo(caminho).fileName())
                : QString::fromLocal8Bit(std::strerror(erro));
    return false;
  }
  if (f.size() > kMaiorArquivo) {
    erro_ = QStringLiteral("Figura grande demais para ser mostrada.");
    return false;
  }
  const QByteArray bytes = f.readAll();
  return CarregaBytes(bytes, PelaExtensao(caminho));
}

bool Figura::CarregaBytes(const QByteArray& bytes, Formato formato) {
  const Formato assinatura = PelaAssinatura(bytes);
  if (formato == Formato::Desconhecido) formato = assinatura;
  auto novo = std::make_shared<Dados>();
  QString erro;
  bool ok = Decodifica(bytes, formato, novo.get(), &erro);
  // A file named for one format that holds another (a bitmap renamed .jpg)
  // is read for what it is.
  if (!ok && assinatura != Formato::Desconhecido && assinatura != formato) {
    auto outro = std::make_shared<Dados>();
    QString erroOutro;
    if (Decodifica(bytes, assinatura, outro.get(), &erroOutro)) {
      novo = outro;
      ok = true;
    }
  }
  if (!ok) {
    erro_ = erro;  // the picture shown before stays
    return false;
  }
  d = std::move(novo);
  erro_.clear();
  return true;
}

bool Figura::vazia() const { return !d; }

QString Figura::erro() const { return erro_; }

Figura::Formato Figura::formato() const { return d ? d->formato : Formato::Desconhecido; }

int Figura::Largura() const { return d ? d->Tamanho().width() : 0; }

int Figura::Altura() const { return d ? d->Tamanho().height() : 0; }

void Figura::Desenha(QPainter& p, const QRectF& destino) const {
  if (!d || destino.isEmpty()) return;
  if (d->Vetorial()) {
    // On the screen the picture played at its shown size is copied; a
    // printer, or a painter that scales, gets the records themselves.
    const int tipo = p.device() ? p.device()->devType() : 0;
    const bool tela = tipo == QInternal::Widget || tipo == QInternal::Pixmap || tipo == QInternal::Image;
    if (!tela || p.transform().type() > QTransform::TxTranslate) {
      d->Reproduz(p, destino);
      return;
    }
    const qreal razao = p.device()->devicePixelRatioF();
    const QSize pixels = (destino.size() * razao).toSize();
    if (!TamanhoAceito(pixels)) return;
    QImage imagem = d->Tocada(pixels);
    imagem.setDevicePixelRatio(razao);
    p.drawImage(destino.topLeft(), imagem);
    return;
  }
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(destino, d->imagem);
  p.restore();
}

QImage Figura::Imagem(QSize tamanho) const {
  if (!d) return {};
  if (tamanho.isEmpty()) tamanho = Tamanho();
  if (tamanho.isEmpty()) return {};
  if (!d->Vetorial()) {
    if (tamanho == d->imagem.size()) return d->imagem;
    return d->imagem.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return d->Tocada(tamanho);
}

}  // namespace platform
