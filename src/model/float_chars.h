// Floats to text and back exactly as std::to_chars and std::from_chars do, also with a
// standard library that lacks them for floats (the browser build's): the same text from
// printf and the same floats from strtof.
#pragma once
#include <charconv>

// The shortest text that reads back to the float, fixed or with an exponent, whichever
// is shorter (fixed on a tie).
std::to_chars_result FloatToChars(char* first, char* last, float value);
// As printf's %.{precision}g.
std::to_chars_result FloatToChars(char* first, char* last, float value, int precision);
// A decimal float, "inf" or "nan"; no leading blank or '+'.
std::from_chars_result FloatFromChars(const char* first, const char* last, float& value);
