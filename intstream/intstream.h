// Integers on a byte stream, as barter and cubesum read and write them.
//
// A number is: whitespace (bytes 9 to 13 and 32), at most one '+' or '-'
// which may itself be followed by whitespace, then the longest run of
// decimal digits. The digits accumulate modulo 2^64 with no overflow check
// and a minus negates modulo 2^64, so the signed entry takes the 64 bits as
// two's complement. The byte after the digits stays in the input.
//
// A read fails at the end of the input, or where a number cannot begin;
// the failure is sticky: every later read fails without consuming anything.
#pragma once

#include <cstdint>

#include "io/input.h"
#include "io/output.h"

namespace intstream {

class Reader {
 public:
  explicit Reader(io::Input& in) : in_(in) {}

  // On failure the destination keeps its value.
  bool read(int64_t& value);
  bool read(uint64_t& value);

 private:
  bool read_bits(uint64_t& bits);

  io::Input& in_;
  bool failed_ = false;
};

// Writes one value in decimal and a line feed, and flushes: exactly one
// write(2) per line, so every answer is delivered before the next read.
class Writer {
 public:
  explicit Writer(io::Output& out) : out_(out) {}

  void write(int64_t value) { line(value); }
  void write(uint64_t value) { line(value); }

 private:
  template <class Int>
  void line(Int value) {
    out_.integer(value);
    out_.put('\n');
    out_.flush();
  }

  io::Output& out_;
};

}  // namespace intstream
