#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <thread>

#include "presentation/shared/job_control.h"

namespace kirvo {

// One long piece of work at a time on a worker thread, so that the window stays usable: its
// progress and its end come back to the GUI thread as signals, and Cancel (中断) asks it to stop.
// The work must read only what it owns (a value copy of the rows and settings it needs) and write
// only into that; the window applies the result on `finished`.
class BackgroundJob : public QObject {
  Q_OBJECT

 public:
  // Runs on the worker thread; true when it ran to its end.
  using Work = std::function<bool(JobControl& control)>;

  explicit BackgroundJob(QObject* parent = nullptr);
  // A running work is asked to stop and waited for; its end is not signalled.
  ~BackgroundJob() override;

  // Starts `work`; false (nothing starts) while another runs.
  bool Start(Work work);
  // 中断: asks the work to stop. Its end is signalled as not completed, even when it had already
  // finished on its thread.
  void Cancel();
  bool running() const { return thread_.joinable(); }

 signals:
  // The work's percent done, as it grows.
  void progressed(int percent);
  // The work ended: completed when it ran to its end and was not cancelled.
  void finished(bool completed);

 private:
  void PollProgress();
  void Finish(bool ran_to_end);

  std::thread thread_;
  std::shared_ptr<JobControl> control_;
  QTimer poll_;
  int shown_percent_ = -1;
};

}  // namespace kirvo
