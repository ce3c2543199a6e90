// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_qt/vector_state.hpp"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace hz {

namespace {

// Compiled for AVX, and only ever run where the processor has it.
__attribute__((target("avx"))) void zero_upper() { _mm256_zeroupper(); }

}  // namespace

void clear_upper_vector_state() {
  static const bool has_avx = __builtin_cpu_supports("avx");
  if (has_avx) zero_upper();
}

}  // namespace hz

#else

namespace hz {

void clear_upper_vector_state() {}

}  // namespace hz

#endif
