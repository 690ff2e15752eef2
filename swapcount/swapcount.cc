// swapcount: for each sequence on standard input, a length followed by that
// many integers, the number of adjacent exchanges an exchange sort makes to
// put the sequence in ascending order. Reads sequences until the input ends
// where the next one would begin.

#include <cstdint>

#include "io/scan.h"
#include "io/stdio.h"
#include "swapcount/bubble.h"

namespace {

// Reads the length of the given sequence into n; false when the input ends
// before it.
bool read_length(uint64_t sequence, int& n) {
  io::Scan result = io::scan_int(io::in, n);
  if (result == io::Scan::end) return false;
  if (result != io::Scan::ok) io::fail("sequence ", sequence, ": length: ", io::describe(result));
  if (n < 0) io::fail("sequence ", sequence, ": length ", n, " is negative");
  if (n > kMaxLength) {
    io::fail("sequence ", sequence, ": length ", n, " is more than ", kMaxLength);
  }
  return true;
}

}  // namespace

int main() {
  io::set_program_name("swapcount");
  static int elements[kMaxLength];
  int n = 0;
  for (uint64_t sequence = 1; read_length(sequence, n); ++sequence) {
    for (int i = 0; i < n; ++i) {
      elements[i] = io::expect_int(io::in, "sequence ", sequence, ": element ", i + 1);
    }
    io::out.write("Minimum exchange operations : ");
    io::out.integer(bubble(elements, n));
    io::out.put('\n');
  }
  return io::finish();
}
