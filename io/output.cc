#include "io/output.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "io/fail.h"

namespace io {

void Output::write_through(std::string_view bytes) {
  while (bytes.size() > kSize - len_) {
    size_t n = kSize - len_;
    std::memcpy(buf_ + len_, bytes.data(), n);
    len_ = kSize;
    bytes.remove_prefix(n);
    flush();
  }
  std::memcpy(buf_ + len_, bytes.data(), bytes.size());
  len_ += bytes.size();
}

void Output::fixed(double value, int precision) {
  // A whole number prints as its integer digits; as an integer it is
  // quicker to format. Minus zero keeps its sign the general way.
  constexpr double k2to63 = 9223372036854775808.0;
  if (precision == 0 && value > -k2to63 && value < k2to63 &&
      value == static_cast<double>(static_cast<int64_t>(value)) &&
      !(value == 0 && std::signbit(value))) {
    integer(static_cast<int64_t>(value));
    return;
  }
  // A double has at most 309 integer digits.
  room(330 + precision);
  len_ = std::to_chars(buf_ + len_, buf_ + kSize, value, std::chars_format::fixed, precision).ptr -
         buf_;
}

void Output::flush() {
  size_t done = 0;
  while (done < len_) {
    ssize_t n = ::write(fd_, buf_ + done, len_ - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) die(Message() << "write error: " << std::strerror(n < 0 ? errno : EIO));
    done += n;
  }
  len_ = 0;
}

}  // namespace io
