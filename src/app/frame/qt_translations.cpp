#include "app/frame/qt_translations.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace kirvo {

void UseJapaneseStandardDialogs(QCoreApplication& application) {
  // The program speaks Japanese whatever the desktop's language, and so do the toolkit's dialogs.
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  // "qt_ja" gathers the toolkit's modules; "qtbase_ja" is loaded too where a system ships it alone.
  for (const char* name : {"qtbase_ja", "qt_ja"}) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QString::fromLatin1(name), folder)) {
      QCoreApplication::installTranslator(translator);
    } else {
      delete translator;
    }
  }
}

}  // namespace kirvo
