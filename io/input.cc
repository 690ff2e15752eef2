#include "io/input.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/fail.h"
#include "io/output.h"

namespace io {

bool Input::refill() {
  if (ended_) return false;
  if (before_read_) before_read_->flush();
  ssize_t n;
  while ((n = ::read(fd_, buf_, kSize)) < 0 && errno == EINTR) {
  }
  if (n < 0) fail("read error: ", std::strerror(errno));
  if (n == 0) {
    ended_ = true;
    return false;
  }
  pos_ = buf_;
  end_ = buf_ + n;
  return true;
}

}  // namespace io
