// arrangements: reads a count and then that many words, and writes for each
// word the number of distinct arrangements of its bytes,
// L! / (m1! * m2! * ...), as the numbered line "Data set <n>: <count>".
// Bytes are told apart by their exact unsigned code.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "io/scan.h"
#include "io/stdio.h"

namespace {

constexpr size_t kMaxWord = 31;

// Each double operation below must round to double once; a wider evaluation
// format would change the counts of long words.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must not be carried in a wider format");

// Whether fmod(product, divisor) is exactly 0.0. Both are whole numbers
// (the steps multiply whole numbers, and every double from 2^53 up is
// whole), so below 2^64 the integer remainder answers the same, many times
// faster than fmod.
bool divides(double divisor, double product) {
  constexpr double k2to64 = 18446744073709551616.0;
  if (product < k2to64 && divisor < k2to64) {
    return static_cast<uint64_t>(product) % static_cast<uint64_t>(divisor) == 0;
  }
  return std::fmod(product, divisor) == 0.0;
}

// Up to this length the steps below form only whole numbers that a double
// holds exactly, so they end on the exact count, and that count, L! / (m1!
// m2! ...), fits in 64 bits.
constexpr size_t kExactLength = 20;

// The exact count in integers, a byte at a time: the count of the first i
// bytes is the count of the first i - 1 times i, divided by how often the
// i-th byte has occurred so far (the division is exact). Every value stays
// at most i! <= 20!, below 2^64.
uint64_t exact_count(const char* word, size_t length) {
  uint8_t occurrences[256];
  for (size_t i = 0; i < length; ++i) occurrences[static_cast<unsigned char>(word[i])] = 0;
  uint64_t count = 1;
  for (size_t i = 0; i < length; ++i) {
    uint8_t m = ++occurrences[static_cast<unsigned char>(word[i])];
    count *= i + 1;
    if (m > 1) count /= m;
  }
  return count;
}

// The arrangement count of the zero-terminated `word` (at most kMaxWord
// bytes): L! built up as a running product, divided down by the repeat
// factors m! whenever the divisor gathered so far divides it exactly.
// Every step rounds to double in this order, so words of up to 22 bytes get
// the exact count and longer ones what these steps give (23 different bytes
// give the double nearest to 23!, 25 equal bytes give the double nearest to
// 25! rather than 1).
double test(char* word) {
  size_t length = std::strlen(word);
  if (length <= kExactLength) return static_cast<double>(exact_count(word, length));
  int occurrences[256] = {};
  // A byte seen for the m-th time (m > 1) appends m, so the entries of a
  // byte occurring m times multiply to m!. At most L - 1 entries.
  int repeats[kMaxWord - 1] = {};
  int k = 0;
  for (size_t i = 0; i < length; ++i) {
    int seen = ++occurrences[static_cast<unsigned char>(word[i])];
    if (seen > 1) repeats[k++] = seen;
  }
  double product = 1.0;
  double divisor = 1.0;
  for (size_t i = 2; i <= length; ++i) {
    product *= static_cast<double>(i);
    // The entries are folded in from the last one back, one per step, so
    // all of them are in by the last step.
    if (k > 0) divisor *= repeats[--k];
    // The remainder is exact, so the division only happens when it is
    // exact too.
    if (divisor != 1.0 && divides(divisor, product)) {
      product /= divisor;
      divisor = 1.0;
    }
  }
  return product;
}

// Reads word n into `word` and terminates it, or ends the program.
void read_word(int32_t n, char (&word)[kMaxWord + 1]) {
  size_t length = 0;
  io::Scan result = io::scan_word(io::in, word, kMaxWord, length);
  if (result == io::Scan::too_long) io::fail("word ", n, ": longer than ", kMaxWord, " bytes");
  if (result != io::Scan::ok) io::fail("word ", n, ": ", io::describe(result));
  // test() sees a zero-terminated word: a zero byte would silently cut it.
  if (std::memchr(word, '\0', length)) io::fail("word ", n, ": contains a zero byte");
  word[length] = '\0';
}

}  // namespace

int main() {
  io::set_program_name("arrangements");
  int32_t count = io::read_count(io::in);
  char word[kMaxWord + 1];
  for (int32_t n = 0; n < count;) {
    read_word(++n, word);
    io::out.write("Data set ");
    io::out.integer(n);
    io::out.write(": ");
    io::out.fixed(test(word), 0);
    io::out.put('\n');
  }
  return io::finish();
}
