// Reading what a person typed into a dialog field, as the dialogs do: a
// decimal number is the leading number of the text (text without one reads
// as 0), a whole number drops the decimals.
//
// Both readings take the same number from the text, so that a check made on
// the whole number holds for the decimal value kept: "5e2" is 500 either way
// (not 5 for the check and 500 for the value), "nan" and "inf" are no
// numbers, and a number beyond the range of a double or an int saturates.
#pragma once

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace ormix {

// A field counts as empty when it holds nothing but blanks.
inline bool IsEmptyText(const std::string& s) {
    return s.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Whether the text, after leading blanks, begins with a number: a sign at
// most, then a digit, or a point and a digit.
inline bool BeginsWithNumber(const std::string& s) {
    std::size_t i = s.find_first_not_of(" \t\r\n\v\f");
    if (i == std::string::npos) return false;
    if (s[i] == '+' || s[i] == '-') ++i;
    if (i < s.size() && s[i] == '.') ++i;
    return i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]));
}

inline double TextToDouble(const std::string& s) {
    if (!BeginsWithNumber(s)) return 0.0;
    double v = std::strtod(s.c_str(), nullptr);
    if (std::isinf(v)) return v > 0 ? DBL_MAX : -DBL_MAX;
    return v;
}

// A number as a whole number: the decimals dropped, saturating at the
// limits of an int (not a number gives 0), never outside what an int holds.
inline int SaturatedInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483647.0) return -2147483647;
    return static_cast<int>(v);  // drops the decimals
}

inline int TextToInt(const std::string& s) {
    return SaturatedInt(TextToDouble(s));
}

}  // namespace ormix
