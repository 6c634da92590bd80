#pragma once
// Reads a number the way the stint-length box is meant: full-width GBK forms are
// folded to ASCII first, then the leading decimal number is taken as atof would
// in the "C" locale. Never yields NaN.

#include <string>
#include <string_view>

// Folds the full-width forms of GBK (row A3, the ideographic space, the full-width
// tilde and the two stars) to ASCII; a lead byte left without its trail byte at
// the end is dropped. Every other character stays as it is.
std::string NormalizeFullWidth(std::string_view gbk);

// The leading decimal number of the normalised text, 0 when there is none;
// too large gives +-infinity, too small 0.
double ReadNumber(std::string_view gbk);
