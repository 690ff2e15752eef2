// The adjacent-exchange count of a sequence: how many exchanges of
// neighbours an exchange sort makes to put it in ascending order, passing
// over the sequence again and again and stopping after a pass without an
// exchange.
#pragma once

// The longest sequence bubble() takes.
constexpr int kMaxLength = 1012;

// Sorts a[0 .. n) ascending in place and returns the number of adjacent
// exchanges the exchange sort would make. 0 <= n <= kMaxLength; allocates
// nothing.
int bubble(int* a, int n);
