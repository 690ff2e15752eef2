#include "intstream/intstream.h"

#include "io/scan.h"

namespace intstream {

bool Reader::read(int64_t& value) {
  uint64_t bits;
  if (!read_bits(bits)) return false;
  value = static_cast<int64_t>(bits);  // two's complement, as C++20 defines it
  return true;
}

bool Reader::read(uint64_t& value) {
  return read_bits(value);
}

bool Reader::read_bits(uint64_t& bits) {
  if (failed_) return false;
  int c = io::skip_space(in_);
  bool negative = c == '-';
  if (c == '-' || c == '+') {
    in_.get();
    c = io::skip_space(in_);
  }
  if (c < '0' || c > '9') {
    failed_ = true;
    return false;
  }
  // Unsigned arithmetic: wraps modulo 2^64 by definition.
  uint64_t value = 0;
  while ((c = in_.get()) >= '0' && c <= '9') value = value * 10 + (c - '0');
  if (c >= 0) in_.unget();
  bits = negative ? -value : value;
  return true;
}

}  // namespace intstream
