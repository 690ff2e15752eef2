// subseq, written plainly with scanf, printf and the greedy scan.

#include <cstdio>

static char s[1000000], t[1000000];

int main() {
  while (scanf("%s%s", s, t) != EOF) {
    int i = 0, j = 0;
    while (t[i] && s[j]) {
      if (s[j] == t[i]) j++;
      i++;
    }
    printf(s[j] ? "No\n" : "Yes\n");
  }
  return 0;
}
