// Reading what a person typed into a dialog field, as the dialogs do: a
// decimal number is the leading number of the text (text without one reads
// as 0), a whole number drops the decimals.
#pragma once

#include <cstdlib>
#include <string>

namespace ormix {

// A field counts as empty when it holds nothing but blanks.
inline bool IsEmptyText(const std::string& s) {
    return s.find_first_not_of(" \t\r\n") == std::string::npos;
}

inline double TextToDouble(const std::string& s) {
    return std::atof(s.c_str());
}

inline int TextToInt(const std::string& s) {
    // Like atoi, but a number beyond the range of an int saturates rather
    // than being undefined.
    long long v = std::strtoll(s.c_str(), nullptr, 10);
    if (v > 2147483647LL) return 2147483647;
    if (v < -2147483647LL) return -2147483647;
    return static_cast<int>(v);
}

}  // namespace ormix
