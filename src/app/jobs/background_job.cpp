#include "app/jobs/background_job.h"

namespace kirvo {
namespace {

constexpr int kPollIntervalMs = 50;

}  // namespace

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {
  poll_.setInterval(kPollIntervalMs);
  connect(&poll_, &QTimer::timeout, this, &BackgroundJob::PollProgress);
}

BackgroundJob::~BackgroundJob() {
  if (!running()) return;
  control_->RequestStop();
  thread_.join();
}

bool BackgroundJob::Start(Work work) {
  if (running()) return false;
  control_ = std::make_shared<JobControl>();
  shown_percent_ = -1;
  thread_ = std::thread([this, work = std::move(work), control = control_] {
    const bool ran_to_end = work(*control);
    // Back on the GUI thread; dropped unread when the job is destroyed first.
    QMetaObject::invokeMethod(this, [this, ran_to_end] { Finish(ran_to_end); }, Qt::QueuedConnection);
  });
  poll_.start();
  return true;
}

void BackgroundJob::Cancel() {
  if (running()) control_->RequestStop();
}

void BackgroundJob::PollProgress() {
  if (!control_) return;
  const int percent = control_->percent();
  if (percent == shown_percent_) return;
  shown_percent_ = percent;
  emit progressed(percent);
}

void BackgroundJob::Finish(bool ran_to_end) {
  poll_.stop();
  thread_.join();
  PollProgress();
  emit finished(ran_to_end && !control_->StopRequested());
}

}  // namespace kirvo
