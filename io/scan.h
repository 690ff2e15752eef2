// Scanning in the manner of scanf's "%d" and "%s" and of whole-line
// reading, on an Input. Whitespace is exactly the bytes 9 to 13 and 32.
#pragma once

#include <cstddef>
#include <cstdint>

#include "io/fail.h"
#include "io/input.h"

namespace io {

enum class Scan {
  ok,
  end,           // the input ended before the item began
  not_integer,   // "%d" met something that does not start an integer
  out_of_range,  // "%d" read an integer outside the signed 32-bit range
  too_long,      // a word or line does not fit its buffer
};

// What went wrong, for a message: "unexpected end of input", ...
const char* describe(Scan result);

inline bool is_space(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Skips whitespace; returns the next byte without taking it, or -1 at the
// end of the input. This is also what whitespace in a format does.
int skip_space(Input& in);

// scan_int a byte at a time: any number, wherever the buffer ends.
Scan scan_int_bytewise(Input& in, int32_t& value);

// "%d": whitespace, then an optional sign directly followed by decimal
// digits. The byte after the digits stays in the input.
inline Scan scan_int(Input& in, int32_t& value) {
  const char* p = in.begin();
  const char* end = in.end();
  while (p != end && is_space(static_cast<unsigned char>(*p))) ++p;
  // Inline, the common case: a sign, up to ten digits and the byte after
  // them, all buffered (12 bytes at most), and a value in range. Anything
  // else is read again from p, a byte at a time.
  if (end - p >= 12) {
    bool negative = *p == '-';
    const char* digits = p + (*p == '-' || *p == '+');
    const char* q = digits;
    uint64_t magnitude = 0;
    while (q - digits < 10 && static_cast<unsigned>(*q - '0') < 10) {
      magnitude = magnitude * 10 + (*q++ - '0');
    }
    if (q != digits && static_cast<unsigned>(*q - '0') >= 10 &&
        magnitude <= (uint64_t{1} << 31) - (negative ? 0 : 1)) {
      in.advance(q);
      value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                            : static_cast<int64_t>(magnitude));
      return Scan::ok;
    }
  }
  in.advance(p);
  return scan_int_bytewise(in, value);
}

// "%s": whitespace, then the longest run of non-whitespace bytes, which is
// copied to word[0 .. length). Words over `capacity` bytes are too_long.
// No terminator is written.
Scan scan_word(Input& in, char* word, size_t capacity, size_t& length);

// Whole-line reading: the bytes up to the next line feed, which is taken
// and dropped; a last line without one runs to the end of the input. Lines
// over `capacity` bytes are too_long. No terminator is written.
Scan scan_line(Input& in, char* line, size_t capacity, size_t& length);

// The leading "%d" count of a program that reads a counted batch. An empty
// or whitespace-only input is an empty batch: 0. Anything else that is not
// an integer ends the program with "count: <what went wrong>".
int32_t read_count(Input& in);

// "%d" where an integer must follow: anything else ends the program with
// "<where...>: <what went wrong>".
template <class... Where>
int32_t expect_int(Input& in, const Where&... where) {
  int32_t value = 0;
  Scan result = scan_int(in, value);
  if (result != Scan::ok) fail(where..., ": ", describe(result));
  return value;
}

}  // namespace io
