#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace kirvo {

// One running program per user: a lock file beside the per-user store, held until the process
// ends (a lock left by a crashed process is taken over), and a local socket on which the running
// program listens so that a second start can hand it the files it was given and bring its main
// window forward.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `folder`: where the lock lives (the per-user store's folder); `lock_name` names it.
  SingleInstance(const QString& folder, const QString& lock_name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Takes the lock; false only when another process holds it.
  bool Acquire();
  // The second start's part: hands the running program `files` (absolute paths) to open and asks
  // it to bring its main window forward. A program still starting is waited for, up to ten
  // seconds; true when the request went out.
  bool ActivateRunning(const QStringList& files = {});
  // The first start's part, once the main window exists: listens for such requests.
  void Listen();

 signals:
  // A second start handed over these files, in order; activationRequested follows.
  void filesRequested(const QStringList& files);
  void activationRequested();

 private:
  QString server_name_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace kirvo
