// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/progress_line.hpp"

#include <unistd.h>

#include <cmath>
#include <cstdio>

namespace hz {
namespace {

// Quiet for the first second: a short run shows nothing; then a few updates
// a second, which a terminal draws without flicker.
constexpr std::chrono::milliseconds kQuiet{1000}, kEvery{250};

void put(const std::string& s) { std::fputs(s.c_str(), stderr); }

}  // namespace

std::string progress_text(long done, long total, double elapsed) {
  const long percent = done * 100 / total;
  const long left = std::lround(elapsed * static_cast<double>(total - done) / done);
  std::string out = std::to_string(done) + "/" + std::to_string(total) + " frames, " +
                    std::to_string(percent) + "%, about ";
  if (left >= 60) out += std::to_string(left / 60) + " min ";
  return out + std::to_string(left % 60) + " s left";
}

ProgressLine::ProgressLine(long total)
    : total_(total),
      terminal_(::isatty(STDERR_FILENO) == 1),
      start_(Clock::now()),
      next_(start_ + kQuiet) {}

void ProgressLine::frame_done(long done) {
  if (!terminal_ || done >= total_) return;
  const Clock::time_point now = Clock::now();
  if (now < next_) return;
  next_ = now + kEvery;
  const double elapsed = std::chrono::duration<double>(now - start_).count();
  // Back to the line's start, the new text, the rest of the old one erased.
  put("\rhoshizora-render: " + progress_text(done, total_, elapsed) + "\033[K");
  shown_ = true;
}

ProgressLine::~ProgressLine() {
  if (shown_) put("\r\033[K");
}

}  // namespace hz
