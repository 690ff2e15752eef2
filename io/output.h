// Buffered standard output without stdio: bytes collect in a fixed buffer
// and reach the descriptor when the buffer fills or on flush(). A failed
// write ends the program with "<program>: write error: <reason>".
#pragma once

#include <charconv>
#include <concepts>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace io {

class Output {
 public:
  static constexpr size_t kSize = 1 << 16;

  explicit Output(int fd) : fd_(fd) {}
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void put(char c) {
    if (len_ == kSize) flush();
    buf_[len_++] = c;
  }
  void write(std::string_view bytes) {
    if (bytes.size() > kSize - len_) return write_through(bytes);
    std::memcpy(buf_ + len_, bytes.data(), bytes.size());
    len_ += bytes.size();
  }

  // Decimal digits, a minus sign first when negative.
  template <std::integral Int>
  void integer(Int value) {
    room(24);
    len_ = std::to_chars(buf_ + len_, buf_ + kSize, value).ptr - buf_;
  }

  // The same bytes as printf("%.<precision>f", value) for finite values:
  // every integer digit, then the fraction rounded to nearest, ties to even
  // on the exact binary value.
  void fixed(double value, int precision);

  // Hands every buffered byte to the descriptor.
  void flush();

 private:
  void write_through(std::string_view bytes);
  void room(size_t n) {
    if (kSize - len_ < n) flush();
  }

  int fd_;
  size_t len_ = 0;
  char buf_[kSize];
};

}  // namespace io
