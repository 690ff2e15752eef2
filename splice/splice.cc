// splice: not written yet.

#include "io/stdio.h"

int main() {
  io::set_program_name("splice");
  return io::finish();
}
