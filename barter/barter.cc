// barter: for each pair (n, k) on standard input, the total obtained from n
// units when every k units are traded, again and again, for one more unit.
// Writes one total per line, delivered at once; stops at the first number
// that cannot be read.

#include <cstdint>

#include "intstream/intstream.h"
#include "io/stdio.h"

namespace {

// n plus every unit gained by trading, in signed 64-bit arithmetic.
int64_t trade_total(int64_t n, int64_t k, uint64_t pair) {
  int64_t current = n;
  int64_t total = n;
  if (current < k) return total;
  // With k below 2 the trading would never end (or divide by zero).
  if (k < 2) io::fail("pair ", pair, ": trade size ", k, " is less than 2");
  while (current >= k) {
    int64_t q = current / k;
    if (__builtin_add_overflow(total, q, &total)) {
      io::fail("pair ", pair, ": total is beyond the signed 64-bit range");
    }
    current = q + current % k;
  }
  return total;
}

}  // namespace

int main() {
  io::set_program_name("barter");
  intstream::Reader in(io::in);
  intstream::Writer out(io::out);
  int64_t n = 0;
  int64_t k = 0;
  for (uint64_t pair = 1; in.read(n) && in.read(k); ++pair) out.write(trade_total(n, k, pair));
  return io::finish();
}
