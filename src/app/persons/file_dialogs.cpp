#include "app/persons/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "app/bridge/text.h"

namespace kirvo {

QString QtFileFilter(std::string_view pairs) {
  const QStringList parts = ToQString(pairs).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters.append(parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')'));
  }
  return filters.join(QStringLiteral(";;"));
}

QString NativeOpenFile(QWidget* parent, const QString& caption, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString NativeSaveFile(QWidget* parent, const QString& caption, const QString& filter, const QString& suffix) {
  QFileDialog dialog(parent, caption, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front()
                                                                                 : QString();
}

}  // namespace kirvo
