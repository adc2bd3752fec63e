#pragma once

#include <functional>

// The program's random numbers. Tests replace the source to make a draw predictable.
namespace Hasard {

// A number in [0, 1), like the classic Rnd.
double rnd();

// An integer in [0, n) for n > 0, 0 otherwise.
int entier(int n);

// Seeds the default generator from the clock.
void initialiser();

// Replaces the source; an empty function restores the default generator.
void fixer(std::function<double()> source);

} // namespace Hasard
