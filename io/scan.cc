#include "io/scan.h"

#include <cstring>

namespace io {

const char* describe(Scan result) {
  switch (result) {
    case Scan::ok:
      return "ok";
    case Scan::end:
      return "unexpected end of input";
    case Scan::not_integer:
      return "not an integer";
    case Scan::out_of_range:
      return "integer outside the 32-bit range";
    case Scan::too_long:
      return "too long";
  }
  return "?";
}

int skip_space(Input& in) {
  for (;;) {
    const char* p = in.begin();
    const char* end = in.end();
    while (p != end && is_space(static_cast<unsigned char>(*p))) ++p;
    in.advance(p);
    if (p != end) return static_cast<unsigned char>(*p);
    if (!in.refill()) return -1;
  }
}

Scan scan_int_bytewise(Input& in, int32_t& value) {
  int c = skip_space(in);
  if (c < 0) return Scan::end;
  in.get();
  bool negative = c == '-';
  if (c == '-' || c == '+') c = in.get();
  if (c < '0' || c > '9') {
    if (c >= 0) in.unget();
    return Scan::not_integer;
  }
  // Saturates just past the range, so that long digit runs cannot wrap
  // back into it.
  constexpr uint64_t kPastRange = uint64_t{1} << 31;
  uint64_t magnitude = c - '0';
  while ((c = in.get()) >= '0' && c <= '9') {
    if (magnitude <= kPastRange) magnitude = magnitude * 10 + (c - '0');
  }
  if (c >= 0) in.unget();
  if (magnitude > kPastRange - (negative ? 0 : 1)) return Scan::out_of_range;
  value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                        : static_cast<int64_t>(magnitude));
  return Scan::ok;
}

int32_t read_count(Input& in) {
  int32_t count = 0;
  Scan result = scan_int(in, count);
  if (result == Scan::end) return 0;
  if (result != Scan::ok) fail("count: ", describe(result));
  return count;
}

namespace {

// Copies bytes up to the first one for which `stop` holds, across blocks.
// Returns whether such a byte was found (it stays in the input) rather
// than the end of the input.
template <class Stop>
Scan copy_until(Input& in, Stop stop, char* to, size_t capacity, size_t& length, bool& found) {
  length = 0;
  for (;;) {
    const char* p = in.begin();
    const char* end = in.end();
    const char* q = stop(p, end);
    size_t n = q - p;
    if (n > capacity - length) return Scan::too_long;
    std::memcpy(to + length, p, n);
    length += n;
    in.advance(q);
    if (q != end) {
      found = true;
      return Scan::ok;
    }
    if (!in.refill()) {
      found = false;
      return Scan::ok;
    }
  }
}

}  // namespace

Scan scan_word(Input& in, char* word, size_t capacity, size_t& length) {
  length = 0;
  if (skip_space(in) < 0) return Scan::end;
  bool found;
  return copy_until(
      in,
      [](const char* p, const char* end) {
        while (p != end && !is_space(static_cast<unsigned char>(*p))) ++p;
        return p;
      },
      word, capacity, length, found);
}

Scan scan_line(Input& in, char* line, size_t capacity, size_t& length) {
  length = 0;
  if (in.peek() < 0) return Scan::end;
  bool found;
  Scan result = copy_until(
      in,
      [](const char* p, const char* end) {
        const void* lf = std::memchr(p, '\n', end - p);
        return lf ? static_cast<const char*>(lf) : end;
      },
      line, capacity, length, found);
  if (result == Scan::ok && found) in.get();
  return result;
}

}  // namespace io
