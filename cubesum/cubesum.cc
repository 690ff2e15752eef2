// cubesum: for each n on standard input, 1^3 + 2^3 + ... + n^3 modulo 2^64,
// one value per line, delivered at once; stops at the first number that
// cannot be read.

#include <cstdint>

#include "intstream/intstream.h"
#include "io/stdio.h"

namespace {

// The square of the n-th triangular number, all in unsigned 64-bit
// arithmetic. When n (n + 1) wraps, the halving loses at most the top bit,
// which changes t by 2^63 and t * t not at all modulo 2^64: the result is
// the exact sum reduced modulo 2^64 for every n.
uint64_t cube_sum(uint64_t n) {
  uint64_t t = n * (n + 1) >> 1;
  return t * t;
}

}  // namespace

int main() {
  io::set_program_name("cubesum");
  intstream::Reader in(io::in);
  intstream::Writer out(io::out);
  uint64_t n = 0;
  while (in.read(n)) out.write(cube_sum(n));
  return io::finish();
}
