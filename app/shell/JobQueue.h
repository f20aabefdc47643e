#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <vector>

class WaitDlg;

// The main window's job queue, shared by the UI thread (which appends) and the worker (which
// takes the first job). The lock is held only while the list or the busy dialog pointer is
// touched, never while a job runs.
class JobQueue {
 public:
  struct Job {
    int code = 0;
    bool busy_dialog = false;  // queued behind the busy dialog, which must close when it ends
  };

  void Append(int code);
  // Appends a job behind the busy dialog `dialog` (already created); a dialog still recorded from
  // before is closed first.
  void AppendWithBusyDialog(int code, WaitDlg* dialog);

  std::optional<Job> Front() const;
  // Removes the first job; when it was queued behind the busy dialog, the dialog is closed.
  void RemoveFront();
  bool Empty() const;
  std::vector<int> Codes() const;

  // Closes the recorded busy dialog, if any (by posting: safe from the worker).
  void CloseBusyDialog();
  // The UI thread is done with `dialog`: forgets it if it is still the recorded one.
  void ForgetBusyDialog(WaitDlg* dialog);
  WaitDlg* BusyDialog() const;

 private:
  void CloseBusyDialogLocked();

  mutable std::mutex mutex_;
  std::deque<Job> jobs_;
  WaitDlg* busy_dialog_ = nullptr;
};
