// The program's standard input and output. Reading flushes pending output
// first, so answers are out before the program waits for more input.
#pragma once

#include "io/fail.h"
#include "io/input.h"
#include "io/output.h"

namespace io {

extern Output out;
extern Input in;

// Delivers the pending output and returns the exit status for main: 0, as a
// failed write has already ended the program.
int finish();

}  // namespace io
