#include "bench/gen.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace bench {
namespace {

constexpr int64_t kMin32 = INT32_MIN;
constexpr int64_t kMax32 = INT32_MAX;

// splitmix64: tiny, fast and the same on every platform, unlike the
// distributions of <random>.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}

  uint64_t next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
  }
  // Uniform in [lo, hi]; the modulo bias is far too small to matter here.
  int64_t between(int64_t lo, int64_t hi) {
    uint64_t span = static_cast<uint64_t>(hi) - static_cast<uint64_t>(lo) + 1;
    uint64_t offset = span == 0 ? next() : next() % span;
    return static_cast<int64_t>(static_cast<uint64_t>(lo) + offset);
  }
  bool chance(int percent) { return between(1, 100) <= percent; }
  template <class T, size_t N>
  const T& pick(const T (&items)[N]) {
    return items[between(0, N - 1)];
  }

 private:
  uint64_t state_;
};

// The text being built, with the whitespace conventions of `varied`.
class Text {
 public:
  Text(Rng& rng, bool varied) : rng_(rng), varied_(varied) {}

  void put(char c) { text_ += c; }
  void bytes(std::string_view s) { text_ += s; }
  template <class Int>
  void number(Int value) {
    char digits[24];
    text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  }
  // Whitespace between two items of one instance.
  void gap() {
    static const char* const kGaps[] = {" ", " ", " ", "\t", "  ", "\n", "\r\n", " \v\f "};
    text_ += varied_ ? rng_.pick(kGaps) : " ";
  }
  // Whitespace after an instance.
  void line_end() {
    static const char* const kEnds[] = {"\n", "\n", "\n", "\r\n", " \n", "\n\n", "\t", " "};
    text_ += varied_ ? rng_.pick(kEnds) : "\n";
  }
  size_t size() const { return text_.size(); }
  bool varied() const { return varied_; }

  // The finished text; a varied one may lack its last line feed.
  std::string take() {
    if (varied_ && !text_.empty() && text_.back() == '\n' && rng_.chance(30)) text_.pop_back();
    return std::move(text_);
  }

 private:
  Rng& rng_;
  bool varied_;
  std::string text_;
};

// Random bytes for words and lines: printable ASCII, and in varied texts
// also bytes above 127. `excluded` (if not 0) never appears.
char text_byte(Rng& rng, bool varied, char excluded = 0, bool blanks = false) {
  for (;;) {
    int c = varied && rng.chance(10) ? static_cast<int>(rng.between(128, 255))
                                     : static_cast<int>(rng.between(blanks ? 32 : 33, 126));
    if (c != static_cast<unsigned char>(excluded)) return static_cast<char>(c);
  }
}

// One instance of each program, appended to `out`.

void barter(Rng& rng, Text& out, std::string_view) {
  int64_t n;
  int kind = static_cast<int>(rng.between(1, 100));
  if (kind <= 60) {
    n = rng.between(0, 1000000);
  } else if (kind <= 85) {
    n = rng.between(0, 1000000000000);
  } else if (kind <= 95) {
    n = rng.between(0, int64_t{1} << 61);  // the total stays below 2^62
  } else {
    n = rng.between(-1000000, -1);
  }
  int64_t k = rng.chance(80) ? rng.between(2, 100) : rng.between(2, 1000000000);
  if (out.varied() && n >= 0 && rng.chance(5)) out.bytes(rng.chance(50) ? "+" : "00");
  out.number(n);
  out.gap();
  out.number(k);
  out.line_end();
}

void cubesum(Rng& rng, Text& out, std::string_view) {
  int kind = static_cast<int>(rng.between(1, 100));
  uint64_t n = kind <= 50   ? rng.between(0, 1000000)
               : kind <= 70 ? rng.between(0, kMax32)
                            : rng.next();
  if (out.varied() && rng.chance(10)) {
    static const char* const kPrefixes[] = {"+", "-", "- ", "-\t", "0", "000"};
    out.bytes(rng.pick(kPrefixes));
  }
  out.number(n);
  out.line_end();
}

void arrangements(Rng& rng, Text& out, std::string_view shape) {
  if (shape == "typical") {
    // Letters from a small alphabet, so that most words repeat some.
    int length = static_cast<int>(rng.between(1, 22));
    int letters = static_cast<int>(rng.between(1, 26));
    for (int i = 0; i < length; ++i) out.put(static_cast<char>('a' + rng.between(0, letters - 1)));
  } else {  // "long": 31 bytes, any bytes from 33 to 255, often few distinct ones
    char alphabet[8];
    int distinct = rng.chance(50) ? static_cast<int>(rng.between(1, 8)) : 0;
    for (char& c : alphabet) c = static_cast<char>(rng.between(33, 255));
    for (int i = 0; i < 31; ++i) {
      out.put(distinct ? alphabet[rng.between(0, distinct - 1)]
                       : static_cast<char>(rng.between(33, 255)));
    }
  }
  out.line_end();
}

void splice(Rng& rng, Text& out, std::string_view) {
  bool varied = out.varied();
  // Line A: s1 < s2 > s3 < s4 > s5, at most 127 bytes. A piece may not hold
  // the marker that ends it; s5 may hold anything but a line feed.
  int room = static_cast<int>(rng.between(4, 127)) - 4;
  bool carriage_return = varied && room > 0 && rng.chance(10);
  if (carriage_return) --room;
  // Piece i runs from cuts[i] to cuts[i + 1]; none may pass 111 bytes.
  int cuts[6] = {0, 0, 0, 0, 0, room};
  do {
    for (int i = 1; i < 5; ++i) cuts[i] = static_cast<int>(rng.between(0, room));
    std::sort(cuts + 1, cuts + 5);
  } while (cuts[5] - cuts[4] + carriage_return > 111 || cuts[4] - cuts[3] > 111 ||
           cuts[3] - cuts[2] > 111 || cuts[2] - cuts[1] > 111);
  const char ends[5] = {'<', '>', '<', '>', 0};
  for (int piece = 0; piece < 5; ++piece) {
    for (int i = cuts[piece]; i < cuts[piece + 1]; ++i) {
      char c = text_byte(rng, varied, ends[piece], true);
      if (piece == 4 && rng.chance(5)) c = rng.chance(50) ? '<' : '>';
      out.put(c);
    }
    if (ends[piece]) out.put(ends[piece]);
  }
  if (carriage_return) out.put('\r');  // part of the line, and so of s5
  out.put('\n');
  // Line B: at most 111 bytes holding "...", maybe more dots after it.
  int length = static_cast<int>(rng.between(3, 111));
  int before = static_cast<int>(rng.between(0, length - 3));
  for (int i = 0; i < before; ++i) out.put(text_byte(rng, varied, '.', true));
  out.bytes("...");
  for (int i = before + 3; i < length; ++i) out.put(rng.chance(10) ? '.' : text_byte(rng, varied));
  out.put('\n');
}

void swapcount(Rng& rng, Text& out, std::string_view shape) {
  int32_t values[1012];
  int n;
  if (shape == "typical") {
    // Narrow spreads give runs of equal values, which are never exchanged.
    static const int64_t kSpreads[] = {5, 100, 1000000};
    int64_t spread = rng.pick(kSpreads);
    n = static_cast<int>(rng.between(0, 100));
    for (int i = 0; i < n; ++i) values[i] = static_cast<int32_t>(rng.between(-spread, spread));
  } else {  // "lenN" and "reversed1012": full-range values
    n = shape == "len10" ? 10 : shape == "len100" ? 100 : 1012;
    for (int i = 0; i < n; ++i) values[i] = static_cast<int32_t>(rng.between(kMin32, kMax32));
    if (shape == "reversed1012") std::sort(values, values + n, [](int a, int b) { return a > b; });
  }
  out.number(n);
  for (int i = 0; i < n; ++i) {
    out.gap();
    out.number(values[i]);
  }
  out.line_end();
}

void aboveavg(Rng& rng, Text& out, std::string_view shape) {
  bool typical = shape == "typical";
  int n = static_cast<int>(typical ? rng.between(1, 100) : rng.between(1, 1012));
  int64_t lo = typical ? 0 : kMin32;
  int64_t hi = typical ? 100 : kMax32;
  int ones = -1;  // when set: `ones` values 1 and the rest 0, shuffled
  if (out.varied()) {
    // c values above the mean in a list of n, where the percentage's
    // rounding to float decides its third decimal (125 of 169: 73.965%,
    // not 73.964%).
    static const int kCloseCalls[][2] = {{125, 169}, {160, 187}, {158, 207}, {187, 223},
                                         {194, 261}, {266, 279}, {288, 311}, {23, 320}};
    int kind = static_cast<int>(rng.between(1, 100));
    if (kind <= 10) {
      n = 64;  // one share in 64 can lie halfway between two outputs
    } else if (kind <= 20) {
      const int(&call)[2] = rng.pick(kCloseCalls);
      ones = call[0];
      n = call[1];
    } else if (kind <= 40 && !typical) {
      // A few values close together far from 0, where the float sum and
      // mean are coarse but still among the values.
      n = static_cast<int>(rng.between(2, 30));
      int64_t base = rng.between(kMin32 + 100, kMax32 - 100);
      lo = base - static_cast<int64_t>(rng.between(0, 100));
      hi = base + static_cast<int64_t>(rng.between(0, 100));
    }
  }
  out.number(n);
  for (int i = 0; i < n; ++i) {
    out.gap();
    if (ones >= 0) {
      // The i-th value is 1 with the chance that keeps `ones` of them.
      bool one = rng.between(1, n - i) <= ones;
      ones -= one;
      out.number(one ? 1 : 0);
    } else {
      out.number(rng.between(lo, hi));
    }
  }
  out.line_end();
}

void subseq(Rng& rng, Text& out, std::string_view shape) {
  bool typical = shape == "typical";
  int letters = static_cast<int>(typical ? rng.between(2, 26) : 90);
  int length = static_cast<int>(typical ? rng.between(1, 100) : rng.between(999000, 999999));
  std::string text(length, 0);
  for (char& c : text) c = static_cast<char>('!' + rng.between(0, letters - 1));
  std::string pattern;
  if (typical && rng.chance(50)) {
    // A word of the same letters, most often not a subsequence.
    int size = static_cast<int>(rng.between(1, 10));
    for (int i = 0; i < size; ++i) pattern += static_cast<char>('!' + rng.between(0, letters - 1));
  } else {
    // A subsequence of the text, and for half of the long pairs one byte
    // the text lacks, three quarters in: the scan then runs to the end.
    int keep = typical ? 30 : 99;
    for (char c : text) {
      if (rng.chance(keep)) pattern += c;
    }
    if (pattern.empty()) pattern += text[0];
    if (!typical && rng.chance(50)) {
      if (pattern.size() == 999999) pattern.pop_back();
      pattern.insert(pattern.size() * 3 / 4, 1, '~');
    }
  }
  out.bytes(pattern);
  out.gap();
  out.bytes(text);
  out.line_end();
}

void prodsum(Rng& rng, Text& out, std::string_view) {
  int records = static_cast<int>(rng.between(0, 100));
  if (out.varied() && rng.chance(5)) records = static_cast<int>(rng.between(-3, -1));
  out.number(records);
  out.line_end();
  for (int i = 0; i < records; ++i) {
    // Products within the signed 32-bit range: 46340^2 < 2^31.
    int64_t first = rng.between(-46340, 46340);
    int64_t third = rng.between(-46340, 46340);
    if (rng.chance(10)) {
      first = rng.between(kMin32 + 1, kMax32);
      third = rng.between(-1, 1);
    }
    out.number(first);
    out.gap();
    out.number(rng.between(kMin32, kMax32));
    out.gap();
    out.number(third);
    out.line_end();
  }
}

struct Program {
  std::string_view name;
  bool counted;  // the input starts with the number of instances
  void (*instance)(Rng&, Text&, std::string_view);
  std::vector<std::string_view> shapes;
};

const std::vector<Program>& programs() {
  static const std::vector<Program> all = {
      {"barter", false, barter, {"typical"}},
      {"cubesum", false, cubesum, {"typical"}},
      {"arrangements", true, arrangements, {"typical", "long"}},
      {"splice", true, splice, {"typical"}},
      {"swapcount", false, swapcount, {"typical", "len10", "len100", "len1012", "reversed1012"}},
      {"aboveavg", true, aboveavg, {"typical", "fullrange"}},
      {"subseq", false, subseq, {"typical", "long"}},
      {"prodsum", true, prodsum, {"typical"}},
  };
  return all;
}

const Program* find(std::string_view name) {
  for (const Program& p : programs()) {
    if (p.name == name) return &p;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string_view> shapes(std::string_view program) {
  const Program* p = find(program);
  return p ? p->shapes : std::vector<std::string_view>{};
}

Generated generate(std::string_view program, std::string_view shape, size_t bytes, uint64_t seed,
                   bool varied) {
  const Program* p = find(program);
  if (!p || std::find(p->shapes.begin(), p->shapes.end(), shape) == p->shapes.end()) return {};
  // The seed is mixed with the names, so that no two inputs share numbers.
  for (char c : std::string(program) + "/" + std::string(shape)) seed = (seed ^ c) * 0x100000001b3;
  Rng rng(seed);
  Text body(rng, varied);
  Generated result;
  do {
    p->instance(rng, body, shape);
    ++result.instances;
  } while (body.size() < bytes);
  if (!p->counted) {
    result.text = body.take();
    return result;
  }
  // The count, and whitespace that every program skips after it ("%d\n"
  // included, which splice reads it with).
  static const char* const kEnds[] = {"\n", "\n\n", " \n", "\r\n", "\n \t"};
  result.text = std::to_string(result.instances) + (varied ? rng.pick(kEnds) : "\n");
  result.text += body.take();
  return result;
}

}  // namespace bench
