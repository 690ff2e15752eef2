#include "io/stdio.h"

#include <unistd.h>

namespace io {

Output out(STDOUT_FILENO);
Input in(STDIN_FILENO, &out);

int finish() {
  out.flush();
  return 0;
}

}  // namespace io
