// The integer reader of barter and cubesum, written plainly: one getchar()
// per byte, ungetc() for the byte that ends a number. Whitespace, at most
// one sign (blanks may follow it), decimal digits wrapping modulo 2^64; the
// first failure is final.
#pragma once

#include <cstdint>
#include <cstdio>

inline bool is_blank(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

inline bool read_number(uint64_t* value) {
  static bool failed = false;
  if (failed) return false;
  int c;
  while (is_blank(c = getchar())) {
  }
  bool negative = c == '-';
  if (c == '-' || c == '+') {
    while (is_blank(c = getchar())) {
    }
  }
  if (c < '0' || c > '9') {
    if (c != EOF) ungetc(c, stdin);
    failed = true;
    return false;
  }
  uint64_t v = 0;
  for (; c >= '0' && c <= '9'; c = getchar()) v = v * 10 + (c - '0');
  if (c != EOF) ungetc(c, stdin);
  *value = negative ? -v : v;
  return true;
}
