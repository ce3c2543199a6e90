// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's AVX2 fill and blend routines can return with the upper halves of the
// vector registers still in use. On such a processor the program's SSE2
// arithmetic, mixed with that state, ran at half speed until the next call
// that cleared it: the dome's grid took 340 us instead of 160 after a fill.
#pragma once

namespace hz {

// Marks the upper halves of the vector registers unused (vzeroupper) where
// the processor has them; elsewhere does nothing. Called after Qt draws on
// an image, before the program's own arithmetic goes on.
void clear_upper_vector_state();

}  // namespace hz
