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

namespace {

QString ChooseFile(QFileDialog& dialog, const QString& filter, DialogFolders& folders) {
  const QString chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                             ? dialog.selectedFiles().front()
                             : QString();
  folders.Remember(ToUtf8(filter), ToUtf8(chosen));
  return chosen;
}

QString StartFolder(const QString& filter, const DialogFolders& folders) {
  return QString::fromStdString(folders.StartFolder(ToUtf8(filter)).string());
}

}  // namespace

QString NativeOpenFile(QWidget* parent, const QString& caption, const QString& filter, DialogFolders& folders) {
  QFileDialog dialog(parent, caption, StartFolder(filter, folders), filter);
  dialog.setObjectName(QStringLiteral("OpenFileDialog"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  return ChooseFile(dialog, filter, folders);
}

QString NativeSaveFile(QWidget* parent, const QString& caption, const QString& filter, const QString& suffix,
                       DialogFolders& folders) {
  QFileDialog dialog(parent, caption, StartFolder(filter, folders), filter);
  dialog.setObjectName(QStringLiteral("SaveFileDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  return ChooseFile(dialog, filter, folders);
}

}  // namespace kirvo
