// SPDX-License-Identifier: GPL-3.0-or-later
// A long --frames run on a terminal shows how far it is.
#pragma once

#include <chrono>
#include <string>

namespace hz {

// "12000/525600 frames, 2%, about 58 s left": the line for done of total
// frames after elapsed seconds (done > 0).
std::string progress_text(long done, long total, double elapsed);

// One self-updating line on standard error, only when standard error is a
// terminal and the run has gone on for a second; cleared when the run ends,
// so that nothing of it is left. Into a pipe or a file it writes nothing.
class ProgressLine {
 public:
  explicit ProgressLine(long total);
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;
  ~ProgressLine();

  // After each frame: done frames of the total are drawn.
  void frame_done(long done);

 private:
  using Clock = std::chrono::steady_clock;
  long total_;
  bool terminal_;
  bool shown_ = false;
  Clock::time_point start_, next_;
};

}  // namespace hz
