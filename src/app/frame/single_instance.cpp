#include "app/frame/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>

namespace kirvo {
namespace {

constexpr int kActivationWaitMs = 1000;
// A second start may come while the first is still starting and not yet listening: it keeps
// trying this long before it gives up, so that the files it was given are not lost.
constexpr int kListenerPatienceMs = 10000;
constexpr int kRetryPauseMs = 100;
// The requests, one line each: "open " and a file's path (UTF-8, Base64, so that any path fits on
// a line) for each file, then "activate".
constexpr char kActivateRequest[] = "activate\n";
constexpr char kOpenRequest[] = "open ";

}  // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& lock_name, QObject* parent) : QObject(parent) {
  QDir().mkpath(folder);
  const QString lock_path = QDir(folder).absoluteFilePath(lock_name + QStringLiteral(".lock"));
  lock_ = std::make_unique<QLockFile>(lock_path);
  lock_->setStaleLockTime(0);  // only a lock whose process has gone is stale
  // Socket names are global; the folder's hash keeps the users and test folders apart.
  const QByteArray hash = QCryptographicHash::hash(lock_path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  server_name_ = lock_name + QLatin1Char('-') + QString::fromLatin1(hash);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        QStringList files;
        bool activate = false;
        while (socket->canReadLine()) {
          const QByteArray line = socket->readLine().trimmed();
          if (line.startsWith(kOpenRequest)) {
            const QByteArray path = QByteArray::fromBase64(line.mid(int(sizeof kOpenRequest) - 1));
            if (!path.isEmpty()) files.append(QString::fromUtf8(path));
          } else if (line == "activate") {
            activate = true;
          }
        }
        if (!files.isEmpty()) emit filesRequested(files);
        if (activate) emit activationRequested();
      });
    }
  });
}

SingleInstance::~SingleInstance() {
  server_.close();
  if (lock_->isLocked()) lock_->unlock();
}

bool SingleInstance::Acquire() {
  if (lock_->tryLock(0)) return true;
  // Only a lock held by another process stops the start; a lock that cannot be made at all (an
  // unwritable folder) leaves the program to run and report what it cannot write.
  return lock_->error() != QLockFile::LockFailedError;
}

bool SingleInstance::ActivateRunning(const QStringList& files) {
  QLocalSocket socket;
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    socket.connectToServer(server_name_);
    if (socket.waitForConnected(kActivationWaitMs)) break;
    if (waited.elapsed() >= kListenerPatienceMs) return false;
    QThread::msleep(kRetryPauseMs);
  }
  QByteArray request;
  for (const QString& file : files) request += kOpenRequest + file.toUtf8().toBase64() + '\n';
  request += kActivateRequest;
  socket.write(request);
  const bool sent = socket.waitForBytesWritten(kActivationWaitMs);
  socket.disconnectFromServer();
  return sent;
}

void SingleInstance::Listen() {
  QLocalServer::removeServer(server_name_);  // a socket file left by a crashed run
  server_.listen(server_name_);
}

}  // namespace kirvo
