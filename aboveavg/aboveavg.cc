// aboveavg: for each list of integers on standard input, the percentage of
// its values that lie strictly above the list's mean, with three decimals
// and a percent sign. The input is a count of lists, then each list as a
// length followed by that many values. The mean and the percentage are
// single-precision values, and their roundings decide the printed digits.

#include <cstdint>

#include "io/scan.h"
#include "io/stdio.h"

namespace {

// The longest list.
constexpr int kMaxLength = 1012;

// Reads the length of the given list: 1 to kMaxLength values.
int read_length(int64_t list) {
  int n = io::expect_int(io::in, "list ", list, ": length");
  if (n < 1) io::fail("list ", list, ": length ", n, " is less than 1");
  if (n > kMaxLength) io::fail("list ", list, ": length ", n, " is more than ", kMaxLength);
  return n;
}

}  // namespace

// The mean of a[0 .. n), n >= 1. Each partial sum is a float holding an
// integer below 2^42 in magnitude, so value + sum is exact in double and is
// rounded to single precision once, as the sum is stored. The quotient is
// rounded to double and then to float; with 53 >= 2 * 24 + 2 bits that
// equals rounding the exact quotient to float directly.
float avg(int* a, int n) {
  float sum = 0;
  for (int i = 0; i < n; ++i) sum = static_cast<float>(static_cast<double>(a[i]) + sum);
  return static_cast<float>(static_cast<double>(sum) / n);
}

namespace {

// The percentage of a[0 .. n) strictly above `mean`: above / n, times 100,
// both steps in double, then rounded to single precision.
float percent_above(const int* a, int n, float mean) {
  int above = 0;
  // Compared in double, where both the value and the mean are exact:
  // converting the value to float could round it onto the mean.
  for (int i = 0; i < n; ++i) {
    if (static_cast<double>(a[i]) > static_cast<double>(mean)) ++above;
  }
  return static_cast<float>(static_cast<double>(above) / n * 100);
}

}  // namespace

int main() {
  io::set_program_name("aboveavg");
  int count = io::read_count(io::in);
  static int values[kMaxLength];
  for (int64_t list = 1; list <= count; ++list) {
    int n = read_length(list);
    for (int i = 0; i < n; ++i) {
      values[i] = io::expect_int(io::in, "list ", list, ": element ", i + 1);
    }
    // The float widened to double, three decimals rounded on its exact
    // binary value (a tie goes to the even digit).
    io::out.fixed(static_cast<double>(percent_above(values, n, avg(values, n))), 3);
    io::out.write("%\n");
  }
  return io::finish();
}
