// splice: reads a count and then that many pairs of lines. Line A has the
// shape s1<s2>s3<s4>s5 and line B holds a run of three dots. For each pair
// it writes line A without its four markers, then line B up to its first
// "..." followed by s4, s3, s2 and s5. All other bytes, zero bytes
// included, are copied as they are.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "io/scan.h"
#include "io/stdio.h"

namespace {

constexpr size_t kMaxLineA = 127;
constexpr size_t kMaxLineB = 111;
constexpr size_t kMaxPiece = 111;

// Reads line `name` of case n into `line`, or ends the program.
template <size_t capacity>
std::string_view read_line(int32_t n, char name, char (&line)[capacity]) {
  size_t length = 0;
  io::Scan result = io::scan_line(io::in, line, capacity, length);
  if (result == io::Scan::too_long) {
    io::fail("case ", n, ": line ", name, " longer than ", capacity, " bytes");
  }
  if (result != io::Scan::ok) io::fail("case ", n, ": line ", name, ": ", io::describe(result));
  return {line, length};
}

// Line A cut at its markers: s1<s2>s3<s4>s5, each marker the first of its
// kind after the one before. s5 keeps any later markers.
struct Pieces {
  std::string_view s1, s2, s3, s4, s5;
};

Pieces split(int32_t n, std::string_view a) {
  size_t at[4];  // where the markers '<' '>' '<' '>' stand
  size_t from = 0;
  for (int i = 0; i < 4; ++i) {
    at[i] = a.find("<><>"[i], from);
    if (at[i] == std::string_view::npos) {
      io::fail("case ", n, ": line A without the markers '<' '>' '<' '>' in that order");
    }
    from = at[i] + 1;
  }
  auto between = [a](size_t open, size_t close) { return a.substr(open + 1, close - open - 1); };
  Pieces p{a.substr(0, at[0]), between(at[0], at[1]), between(at[1], at[2]), between(at[2], at[3]),
           a.substr(at[3] + 1)};
  const std::string_view copied[] = {p.s2, p.s3, p.s4, p.s5};
  for (int i = 0; i < 4; ++i) {
    if (copied[i].size() > kMaxPiece) {
      io::fail("case ", n, ": piece s", i + 2, " longer than ", kMaxPiece, " bytes");
    }
  }
  return p;
}

// Line B up to its first "...".
std::string_view cut(int32_t n, std::string_view b) {
  size_t dots = b.find("...");
  if (dots == std::string_view::npos) io::fail("case ", n, ": line B without \"...\"");
  return b.substr(0, dots);
}

}  // namespace

int main() {
  io::set_program_name("splice");
  int32_t count = io::read_count(io::in);
  if (count <= 0) return io::finish();
  // The count is read as "%d\n": the whitespace after it, blank lines and
  // the leading blanks of the first line A included, is skipped.
  io::skip_space(io::in);
  char a[kMaxLineA];
  char b[kMaxLineB];
  for (int32_t n = 0; n < count;) {
    ++n;
    Pieces p = split(n, read_line(n, 'A', a));
    std::string_view kept = cut(n, read_line(n, 'B', b));
    for (std::string_view piece : {p.s1, p.s2, p.s3, p.s4, p.s5}) io::out.write(piece);
    io::out.put('\n');
    for (std::string_view piece : {kept, p.s4, p.s3, p.s2, p.s5}) io::out.write(piece);
    io::out.put('\n');
  }
  return io::finish();
}
