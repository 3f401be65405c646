// The main of every test program: the environment the programs need here
// (offscreen windows; the browser's sandbox off, since tests run as root),
// then GoogleTest.  A value already set by the caller is kept.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <QByteArray>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>
#include <QtGlobal>

namespace {

// The processes below this one: each process's parent from /proc.
std::set<pid_t> Descendentes() {
  std::vector<std::pair<pid_t, pid_t>> pais;  // (process, its parent)
  if (DIR* proc = opendir("/proc")) {
    while (const dirent* e = readdir(proc)) {
      const pid_t pid = std::atoi(e->d_name);
      if (pid <= 0) continue;
      std::ifstream stat("/proc/" + std::string(e->d_name) + "/stat");
      std::string linha;
      if (!std::getline(stat, linha)) continue;
      // "pid (name) state ppid ...": the name may hold blanks and brackets.
      const auto fim = linha.rfind(')');
      if (fim == std::string::npos) continue;
      char estado = 0;
      int pai = 0;
      if (std::sscanf(linha.c_str() + fim + 1, " %c %d", &estado, &pai) == 2) pais.emplace_back(pid, pai);
    }
    closedir(proc);
  }
  std::set<pid_t> abaixo{getpid()};
  for (bool cresceu = true; cresceu;) {
    cresceu = false;
    for (const auto& [pid, pai] : pais)
      if (abaixo.count(pai) && abaixo.insert(pid).second) cresceu = true;
  }
  abaixo.erase(getpid());
  return abaixo;
}

// The browser engine's helpers (its zygote and what it forks) are processes
// of their own; a program that leaves with _Exit leaves them behind, holding
// CTest's output pipe, so that a case that passed is waited on until its
// time limit.  They are stopped first, so that none forks again, then
// killed.
void EncerraAuxiliares() {
  std::set<pid_t> parados;
  for (int volta = 0; volta < 10; ++volta) {
    bool novos = false;
    for (const pid_t pid : Descendentes())
      if (parados.insert(pid).second) {
        kill(pid, SIGSTOP);
        novos = true;
      }
    if (!novos) break;
  }
  for (const pid_t pid : parados) kill(pid, SIGKILL);
}

// The last guard against a test that hangs (an exec() that nothing answers,
// whatever helper was meant to): a case still running after this long fails
// and ends the program at once, with its name, well before CTest's limit.
// The answering helpers (support/modal.h) fail a missed window sooner.
constexpr auto kLimiteDoCaso = std::chrono::seconds(90);

class Vigia : public testing::EmptyTestEventListener {
 public:
  Vigia() : linha_([this] { Vigia_(); }) {}
  ~Vigia() override {
    {
      std::lock_guard<std::mutex> trava(m_);
      fim_ = true;
    }
    cv_.notify_all();
    linha_.join();
  }
  void OnTestStart(const testing::TestInfo& caso) override {
    std::lock_guard<std::mutex> trava(m_);
    nome_ = std::string(caso.test_suite_name()) + "." + caso.name();
    prazo_ = std::chrono::steady_clock::now() + kLimiteDoCaso;
    ativo_ = true;
    cv_.notify_all();
  }
  void OnTestEnd(const testing::TestInfo&) override {
    std::lock_guard<std::mutex> trava(m_);
    ativo_ = false;
    cv_.notify_all();
  }

 private:
  void Vigia_() {
    std::unique_lock<std::mutex> trava(m_);
    while (!fim_) {
      if (!ativo_) {
        cv_.wait(trava);
        continue;
      }
      const auto prazo = prazo_;
      if (cv_.wait_until(trava, prazo) == std::cv_status::timeout && ativo_ && prazo_ == prazo) {
        std::fprintf(stderr, "\n[  FAILED  ] %s ran over %lld s: a window left waiting (exec() unanswered?)\n",
                     nome_.c_str(), static_cast<long long>(kLimiteDoCaso.count()));
        std::fflush(stderr);
        EncerraAuxiliares();
        std::_Exit(1);
      }
    }
  }

  std::mutex m_;
  std::condition_variable cv_;
  std::string nome_;
  std::chrono::steady_clock::time_point prazo_;
  bool ativo_ = false;
  bool fim_ = false;
  std::thread linha_;
};

void Padrao(const char* nome, const QByteArray& valor) {
  if (qEnvironmentVariableIsEmpty(nome)) qputenv(nome, valor);
}

}  // namespace

int main(int argc, char** argv) {
  Padrao("QT_QPA_PLATFORM", "offscreen");
  Padrao("QTWEBENGINE_DISABLE_SANDBOX", "1");
  Padrao("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
  testing::InitGoogleMock(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new Vigia);
  const int resultado = RUN_ALL_TESTS();
  // The test application is never destroyed (tests share it, and windows kept
  // in the programs' globals outlive any one test), so the browser engine's
  // own exit handlers would tear down under a live application and may abort
  // the process after every case has passed.  Leave without them, and
  // without the engine's helper processes.
  std::fflush(stdout);
  std::fflush(stderr);
  EncerraAuxiliares();
  std::_Exit(resultado);
}
