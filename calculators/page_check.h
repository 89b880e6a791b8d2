// The outcome of checking a calculator page: accepted, or the text of the
// message box that refuses it (the page then stays as typed).
#pragma once

#include <string>

namespace ormix {

struct PageCheck {
    bool accepted = true;
    std::string message;
};

inline constexpr char kProblemHeading[] = "Problem with the Input.\n\n";

inline PageCheck Refused(const std::string& text) {
    return {false, text};
}

}  // namespace ormix
