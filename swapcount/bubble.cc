#include "swapcount/bubble.h"

#include <algorithm>

namespace {

// Merges the sorted runs from[lo, mid) and from[mid, hi) into to[lo, hi),
// keeping equal elements in order, and returns the number of inversions
// between the runs: an element taken from the right run is smaller than
// every element still waiting in the left run.
int merge(const int* from, int* to, int lo, int mid, int hi) {
  int inversions = 0;
  int i = lo;
  int j = mid;
  int k = lo;
  // Branch-free: which run gives the next element is a data-dependent coin
  // toss that a branch would mispredict half the time.
  while (i < mid && j < hi) {
    int left = from[i];
    int right = from[j];
    bool take_right = right < left;
    to[k++] = take_right ? right : left;
    inversions += take_right ? mid - i : 0;
    j += take_right;
    i += !take_right;
  }
  while (i < mid) to[k++] = from[i++];
  while (j < hi) to[k++] = from[j++];
  return inversions;
}

// Sorts a[lo, hi) by insertion and returns its inversions: each element
// moves left past exactly the larger elements before it.
int insertion(int* a, int lo, int hi) {
  int inversions = 0;
  for (int i = lo + 1; i < hi; ++i) {
    int v = a[i];
    int j = i;
    for (; j > lo && a[j - 1] > v; --j) a[j] = a[j - 1];
    a[j] = v;
    inversions += i - j;
  }
  return inversions;
}

}  // namespace

// Each adjacent exchange puts exactly one out-of-order pair (positions
// i < j with a[i] > a[j]) in order and leaves every other pair as it was,
// and the sort stops only after a pass that finds no neighbours out of
// order, that is once the sequence is sorted. So it makes exactly as many
// exchanges as the sequence has inversions, which a merge sort counts in
// O(n log n) steps instead of making them one by one.
int bubble(int* a, int n) {
  constexpr int kRun = 8;
  int count = 0;  // at most 1012 * 1011 / 2, well inside an int
  for (int lo = 0; lo < n; lo += kRun) count += insertion(a, lo, std::min(lo + kRun, n));
  int scratch[kMaxLength];
  int* from = a;
  int* to = scratch;
  for (int width = kRun; width < n; width *= 2) {
    for (int lo = 0; lo < n; lo += 2 * width) {
      count += merge(from, to, lo, std::min(lo + width, n), std::min(lo + 2 * width, n));
    }
    std::swap(from, to);
  }
  if (from != a) std::copy(from, from + n, a);
  return count;
}
