// arrangements, written plainly with scanf and printf.

#include <cmath>
#include <cstdio>
#include <cstring>

double test(char* word) {
  int seen[300] = {0};
  int repeats[30] = {0};
  int k = 0;
  int length = strlen(word);
  for (int i = 0; i < length; i++) {
    int count = ++seen[static_cast<unsigned char>(word[i])];
    if (count > 1) repeats[k++] = count;
  }
  double product = 1.0, divisor = 1.0;
  for (int i = 2; i <= length; i++) {
    product *= i;
    if (k > 0) divisor *= repeats[--k];
    if (divisor != 1.0 && fmod(product, divisor) == 0.0) {
      product /= divisor;
      divisor = 1.0;
    }
  }
  return product;
}

int main() {
  int t, set = 0;
  char word[32];
  scanf("%d", &t);
  while (t > 0) {
    scanf("%s", word);
    printf("Data set %d: %.0f\n", ++set, test(word));
    t--;
  }
  return 0;
}
