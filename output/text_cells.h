// The cells and numbers the oil budget table and the ICS 209 table are made
// of. A cell is a text laid out in a fixed width and always followed by one
// tab character.
#pragma once

#include <string>

namespace ormix {

enum class Align { Left, Right, Centre };

// Appends `text` in a cell of `width` characters (cut to the width) and a tab.
// Centred text gets (width - length) / 2 spaces before it.
void AppendCell(std::string& out, const std::string& text, int width, Align align);

// `x` with `decimals` decimals; with none, groups of three digits are
// separated by commas (1234567 becomes "1,234,567").
std::string FormatNumber(double x, int decimals);

// Decimals of volumes whose total is `total`: 2 below 10, 1 from 10 to
// below 100, 0 from 100 on.
int VolumeDecimals(double total);

// printf into a std::string.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace ormix
