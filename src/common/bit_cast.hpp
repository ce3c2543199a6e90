// SPDX-License-Identifier: GPL-3.0-or-later
// std::bit_cast where the standard library has it; the web edition's library
// (libc++ 14, Debian's Emscripten) lacks it, and there the bytes are copied,
// which is what bit_cast does.
#pragma once

#include <version>

#ifdef __cpp_lib_bit_cast
#include <bit>
#else
#include <cstring>
#include <type_traits>
#endif

namespace hz {

#ifdef __cpp_lib_bit_cast
using std::bit_cast;
#else
template <class To, class From>
To bit_cast(const From& from) {
  static_assert(sizeof(To) == sizeof(From));
  static_assert(std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>);
  To to;
  std::memcpy(&to, &from, sizeof(To));
  return to;
}
#endif

}  // namespace hz
