#include "app/shell/JobQueue.h"

#include "app/shell/WaitDlg.h"

void JobQueue::Append(int code) {
  std::lock_guard lock(mutex_);
  jobs_.push_back({code, false});
}

void JobQueue::AppendWithBusyDialog(int code, WaitDlg* dialog) {
  std::lock_guard lock(mutex_);
  CloseBusyDialogLocked();
  busy_dialog_ = dialog;
  jobs_.push_back({code, true});
}

std::optional<JobQueue::Job> JobQueue::Front() const {
  std::lock_guard lock(mutex_);
  if (jobs_.empty()) return std::nullopt;
  return jobs_.front();
}

void JobQueue::RemoveFront() {
  std::lock_guard lock(mutex_);
  if (jobs_.empty()) return;
  // A busy dialog waits for its job: it closes however the job ends, run or dropped, or it
  // would cover the window forever.
  if (jobs_.front().busy_dialog) CloseBusyDialogLocked();
  jobs_.pop_front();
}

bool JobQueue::Empty() const {
  std::lock_guard lock(mutex_);
  return jobs_.empty();
}

std::vector<int> JobQueue::Codes() const {
  std::lock_guard lock(mutex_);
  std::vector<int> codes;
  for (const Job& job : jobs_)
    codes.push_back(job.code);
  return codes;
}

void JobQueue::CloseBusyDialog() {
  std::lock_guard lock(mutex_);
  CloseBusyDialogLocked();
}

void JobQueue::ForgetBusyDialog(WaitDlg* dialog) {
  std::lock_guard lock(mutex_);
  if (busy_dialog_ == dialog) busy_dialog_ = nullptr;
}

WaitDlg* JobQueue::BusyDialog() const {
  std::lock_guard lock(mutex_);
  return busy_dialog_;
}

void JobQueue::CloseBusyDialogLocked() {
  // Held under the lock, so the UI thread cannot delete the dialog while it is being closed.
  if (busy_dialog_) busy_dialog_->Close();
  busy_dialog_ = nullptr;
}
