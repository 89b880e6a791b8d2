// What every window and dialog of the desktop program is given: how to talk
// to the person (message boxes, file choosers) and how to open the manual.
#pragma once

#include <QString>

#include "app/user_prompts.h"

namespace ormix::app {

// Opens a topic of the user manual by its file name ("release.html",
// "Windwave.html", ...); an unknown topic opens the manual's contents.
class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void ShowTopic(const QString& topic) = 0;
};

struct AppContext {
    UserPrompts& prompts;
    HelpService& help;
};

}  // namespace ormix::app
