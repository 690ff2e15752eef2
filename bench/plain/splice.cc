// splice, written plainly with scanf, fgets, the string routines and printf.

#include <cstdio>
#include <cstring>

// Reads a whole line and drops its line feed.
static void read_line(char* line, int size) {
  if (!fgets(line, size, stdin)) line[0] = 0;
  line[strcspn(line, "\n")] = 0;
}

// Copies the text from `from` up to `end` into `to`.
static void copy(char* to, const char* from, const char* end) {
  memcpy(to, from, end - from);
  to[end - from] = 0;
}

int main() {
  int n;
  char a[129], b[113], s2[112], s3[112], s4[112], s5[112];
  scanf("%d\n", &n);
  while (n > 0) {
    read_line(a, sizeof a);
    read_line(b, sizeof b);
    char* open1 = strchr(a, '<');
    char* close1 = strchr(open1 + 1, '>');
    char* open2 = strchr(close1 + 1, '<');
    char* close2 = strchr(open2 + 1, '>');
    copy(s2, open1 + 1, close1);
    copy(s3, close1 + 1, open2);
    copy(s4, open2 + 1, close2);
    strcpy(s5, close2 + 1);
    *open1 = 0;
    *strstr(b, "...") = 0;
    printf("%s%s%s%s%s\n", a, s2, s3, s4, s5);
    printf("%s%s%s%s%s\n", b, s4, s3, s2, s5);
    n--;
  }
  return 0;
}
