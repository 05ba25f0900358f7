#pragma once

#include <atomic>

namespace kirvo {

// What a long piece of work running on a worker thread shares with the window that started it: how
// far it has come, and whether the window asked it to stop (中断). Both sides may read and write at
// any time.
class JobControl {
 public:
  // The work reports `percent` (0..100) done; false once a stop was asked for, when it should end.
  bool Report(int percent) {
    percent_ = percent;
    return !stop_;
  }
  void RequestStop() { stop_ = true; }
  bool StopRequested() const { return stop_; }
  int percent() const { return percent_; }

 private:
  std::atomic<int> percent_{0};
  std::atomic<bool> stop_{false};
};

}  // namespace kirvo
