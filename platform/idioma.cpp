#include "platform/idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

namespace {

const char* const kTraducao = "traducaoPortugues";

}  // namespace

QLocale Portugues() { return QLocale(QLocale::Portuguese, QLocale::Brazil); }

void UsaPortugues() {
  QLocale::setDefault(Portugues());
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || app->findChild<QTranslator*>(kTraducao, Qt::FindDirectChildrenOnly)) return;
  const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  // "qt" gathers every module's catalogue; where it is missing or one of
  // them is, the widgets' own catalogue still serves.
  for (const char* catalogo : {"qt", "qtbase"}) {
    auto* traducao = new QTranslator(app);
    if (traducao->load(Portugues(), QString::fromLatin1(catalogo), QStringLiteral("_"), pasta)) {
      traducao->setObjectName(kTraducao);
      app->installTranslator(traducao);
      return;
    }
    delete traducao;
  }
}

}  // namespace platform
