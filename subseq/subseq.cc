// subseq: for each pair of words on standard input, a pattern and a text,
// writes "Yes" when the pattern is a subsequence of the text (the text
// with some bytes deleted, the rest in order) and "No" otherwise. Words are
// separated by whitespace (the bytes 9 to 13 and 32) and hold up to 999,999
// bytes each; any other byte, a zero byte included, belongs to its word.
// Stops quietly when the input ends where a new pair would begin.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "io/scan.h"
#include "io/stdio.h"

namespace {

// Two fixed word buffers, reused for every pair. Words are kept with their
// lengths, so the last byte of each buffer is never needed.
constexpr size_t kBufferSize = 1000000;
constexpr size_t kMaxWord = kBufferSize - 1;
char pattern[kBufferSize];
char text[kBufferSize];

// The next occurrence of `c` in [p, end), or null. A match a few bytes
// ahead is found fastest byte by byte; a longer gap is left to memchr.
const char* find(const char* p, const char* end, char c) {
  const char* near = end - p > 16 ? p + 16 : end;
  for (; p != near; ++p) {
    if (*p == c) return p;
  }
  return static_cast<const char*>(std::memchr(p, static_cast<unsigned char>(c), end - p));
}

// The greedy scan: each pattern byte is matched with its earliest
// occurrence in the text after the previous match, so the text is passed
// over once, left to right.
bool is_subsequence(const char* s, size_t s_length, const char* t, size_t t_length) {
  if (s_length > t_length) return false;
  const char* rest = t;
  const char* t_end = t + t_length;
  for (size_t j = 0; j < s_length; ++j) {
    const char* match = find(rest, t_end, s[j]);
    if (match == nullptr) return false;
    rest = match + 1;
  }
  return true;
}

// Reads one word of pair `pair` into `word`; false at the end of the input.
bool read_word(char* word, size_t& length, uint64_t pair) {
  io::Scan result = io::scan_word(io::in, word, kMaxWord, length);
  if (result == io::Scan::too_long)
    io::fail("pair ", pair, ": word longer than ", kMaxWord, " bytes");
  return result == io::Scan::ok;
}

}  // namespace

int main() {
  io::set_program_name("subseq");
  size_t pattern_length = 0;
  size_t text_length = 0;
  for (uint64_t pair = 1; read_word(pattern, pattern_length, pair); ++pair) {
    if (!read_word(text, text_length, pair)) io::fail("pair ", pair, ": pattern without a text");
    io::out.write(is_subsequence(pattern, pattern_length, text, text_length) ? "Yes\n" : "No\n");
  }
  return io::finish();
}
