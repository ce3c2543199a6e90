// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: reading their input bytes as values, and
// stopping loudly when a check fails. Plain C++, so that the ordinary test
// suite can build the targets without libFuzzer and replay their corpora.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace hz::fuzz {

// The input, read front to back; once it runs out every read gives zeros.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ == size_; }
  std::size_t remaining() const { return size_ - pos_; }

  std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }

  // Up to n bytes, fewer at the end of the input.
  std::string bytes(std::size_t n) {
    if (n > remaining()) n = remaining();
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }

  // Eight bytes, little end first (missing ones are zero).
  std::uint64_t u64() {
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= std::uint64_t{byte()} << (8 * i);
    return v;
  }

  // Eight bytes as the bits of a double: any value, NaN and infinities too.
  double real() {
    const std::uint64_t bits = u64();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// A failed check in a replay of stored inputs: the replay names the input.
struct CheckFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A failed check: says which and stops, so that libFuzzer keeps the input.
// Replaying (HZ_FUZZ_REPLAY) it throws CheckFailed instead.
[[noreturn]] inline void fail(const char* target, const std::string& what) {
#ifdef HZ_FUZZ_REPLAY
  throw CheckFailed(std::string(target) + ": " + what);
#else
  std::fprintf(stderr, "%s: %s\n", target, what.c_str());
  std::fflush(stderr);
  std::abort();
#endif
}

}  // namespace hz::fuzz
