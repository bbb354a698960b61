#pragma once

#include "code/draw_code.h"

#include <random>
#include <string>

// Shared by the draw code tests: generated codes and the code a command printed.
namespace tavu::test {

// A code over every command and every option the page's controls can hold, drawn from `rng`:
// reachable states only (counts that fill the book, map ranges the spin edits allow).
code::DrawCode generatedCode(std::mt19937& rng);

// The code of a draw's "code CODE" stderr line; empty when there is none.
std::string printedCode(const std::string& err);

} // namespace tavu::test
