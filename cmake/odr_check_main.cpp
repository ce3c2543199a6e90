// SPDX-License-Identifier: GPL-3.0-or-later
// The program of the one-definition-rule check (cmake/OdrCheck.cmake): it
// only has to link; it is never run.
int main() { return 0; }
