#include "output/text_cells.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace ormix {

std::string Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<size_t>(n));
    }
    va_end(args);
    return out;
}

void AppendCell(std::string& out, const std::string& text, int width, Align align) {
    const size_t w = width > 0 ? static_cast<size_t>(width) : 0;
    const std::string cut = text.substr(0, w);
    const size_t pad = w - cut.size();
    if (align == Align::Centre) {
        // The margin comes from the whole text, so a text longer than the
        // cell starts at its left edge.
        size_t before = text.size() < w ? (w - text.size()) / 2 : 0;
        out.append(before, ' ');
        out += cut;
        out.append(pad - before, ' ');
    } else if (align == Align::Right) {
        out.append(pad, ' ');
        out += cut;
    } else {
        out += cut;
        out.append(pad, ' ');
    }
    out += '\t';
}

std::string FormatNumber(double x, int decimals) {
    if (decimals >= 1) return Printf("%.*f", decimals, x);
    std::string digits = Printf("%.0f", x);
    std::string sign;
    if (!digits.empty() && digits[0] == '-') {
        sign = "-";
        digits.erase(0, 1);
    }
    if (!std::isfinite(x)) return sign + digits;
    std::string grouped;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return sign + grouped;
}

int VolumeDecimals(double total) {
    if (!(total > 0)) return 2;  // nothing released: no magnitude to go by
    const double e = std::floor(std::log10(total));
    return e < 1 ? 2 : e == 1 ? 1 : 0;
}

}  // namespace ormix
