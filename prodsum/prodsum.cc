// prodsum: reads a count of cases; each case is a record count followed by
// that many records of three integers (first, middle, third). Writes, one
// line per case, the sum of first * third over the case's records, as a
// whole number; the middle value is read and takes no part. Exits after the
// last announced case without reading further.

#include <cstdint>

#include "io/scan.h"
#include "io/stdio.h"

namespace {

// Reads the records of case `number` and sums their products. Each product
// is formed in signed 32-bit arithmetic, and one that does not fit is
// rejected rather than wrapped. The sum is a double: exact while it stays
// within 2^53, rounded to nearest at each addition beyond that.
double case_sum(int32_t records, int64_t number) {
  double sum = 0.0;
  for (int64_t record = 1; record <= records; ++record) {
    int32_t first = io::expect_int(io::in, "case ", number, ": record ", record, ": first value");
    io::expect_int(io::in, "case ", number, ": record ", record, ": middle value");
    int32_t third = io::expect_int(io::in, "case ", number, ": record ", record, ": third value");
    int32_t product;
    if (__builtin_mul_overflow(first, third, &product)) {
      io::fail("case ", number, ": record ", record, ": product of ", first, " and ", third,
               " is outside the signed 32-bit range");
    }
    sum += product;
  }
  return sum;
}

}  // namespace

int main() {
  io::set_program_name("prodsum");
  int32_t cases = io::read_count(io::in);
  for (int64_t number = 1; number <= cases; ++number) {
    int32_t records = io::expect_int(io::in, "case ", number, ": record count");
    // Every integer digit of the double, as "%.0lf" prints it.
    io::out.fixed(case_sum(records, number), 0);
    io::out.put('\n');
  }
  return io::finish();
}
