// Messages of the engine, printed on the standard error stream.
#pragma once

#include <cstdio>

#include "core/messages.h"

namespace ormix {

class ConsoleSink final : public MessageSink {
public:
    void Show(MessageKind kind, const std::string& text) override {
        const char* label = kind == MessageKind::Error     ? "error"
                            : kind == MessageKind::Warning ? "warning"
                                                           : "note";
        std::fprintf(stderr, "%s: %s\n", label, text.c_str());
    }
};

}  // namespace ormix
