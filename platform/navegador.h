// The web-browser control, navigated to local files only.  The browser
// engine is loaded with the first control (or ahead of need by Aquece), not
// with the program.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

namespace platform {

class MotorNavegador;

// The largest page file the browser is given: 16 MiB.  The HTML editor
// writes a page's own text, and its pictures are files of their own, so a
// teacher's page is some kilobytes; a larger file is no page of ours and is
// shown as a page that cannot be read, empty, so the browser never takes
// gigabytes.
inline constexpr qint64 kMaiorPaginaHtml = qint64(16) << 20;

class Navegador : public QWidget {
  Q_OBJECT
 public:
  explicit Navegador(QWidget* pai = nullptr);
  ~Navegador() override;
  // A browser named "WebBrowser1" filling `painel` (within a margin), taking
  // the focus only when clicked.
  static Navegador* Preenche(QWidget* painel, int margem = 0);

  // Navigates to a local file; a name spelt in another case still finds it.
  // A file that does not exist shows an empty page, or with `erroSeFaltar`
  // the engine's own page for a missing file (an empty path: the empty page).
  void Navega(const QString& caminho, bool erroSeFaltar = false);
  QUrl endereco() const { return alvo_; }

  // Handles window messages until the page navigated to last has finished
  // loading (true), `parar` answers true, or the wait's limit has passed
  // (false: the page is used as it is shown).
  bool EsperaCarregar(const std::function<bool()>& parar = {});
  bool carregado() const { return carregado_; }

  // The page shown and its title (empty before the first load).
  QUrl url() const;
  QString title() const;
  // The engine's view (a QWebEngineView), or nullptr when the engine could
  // not be loaded.
  QWidget* Vista() const;
  // The control and everything inside it never take the keyboard focus, by
  // Tab or by a click: the page is read and scrolled with the mouse, and the
  // focus stays with the window's own controls.
  void SemFoco();

  // Loads the browser engine and starts a page navigated to `caminho` ahead
  // of need; the next browser made takes that page over, already loaded.
  // Meant for idle time, such as a splash screen's wait.
  static void Aquece(const QString& caminho);

  // How long EsperaCarregar waits at most, in ms (10 s unless set).
  void DefineLimiteEspera(int ms) { limiteMs_ = ms; }
  int limiteEspera() const { return limiteMs_; }

 signals:
  // The navigate-complete event: the page navigated to has finished loading
  // or failed to.
  void NavegacaoCompleta(const QUrl& endereco, bool ok);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void TerminouCarga(const QUrl& endereco, bool ok);

  std::unique_ptr<MotorNavegador> motor_;
  QUrl alvo_;
  bool carregado_ = false;
  int limiteMs_ = 10000;
  bool semFoco_ = false;
};

}  // namespace platform
