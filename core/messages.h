// The engine's only way to speak to the person using it.
//
// The engine never prints and never exits: every message that the program
// shows in a message box is handed to a MessageSink. The command line prints
// them, the desktop shows them, the tests collect them.
#pragma once

#include <string>
#include <vector>

namespace ormix {

enum class MessageKind { Error, Warning, Information };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Show(MessageKind kind, const std::string& text) = 0;

    void Error(const std::string& text) { Show(MessageKind::Error, text); }
    void Warning(const std::string& text) { Show(MessageKind::Warning, text); }
    void Information(const std::string& text) { Show(MessageKind::Information, text); }
};

// Drops every message; for callers that have nobody to tell.
class SilentSink final : public MessageSink {
public:
    void Show(MessageKind, const std::string&) override {}
};

struct Message {
    MessageKind kind;
    std::string text;
};

// Keeps every message in order.
class CollectingSink final : public MessageSink {
public:
    void Show(MessageKind kind, const std::string& text) override {
        messages.push_back({kind, text});
    }
    bool Contains(const std::string& text) const {
        for (const Message& m : messages)
            if (m.text == text) return true;
        return false;
    }
    std::vector<Message> messages;
};

// A sink that stays usable for the whole program: no state, nothing to free.
MessageSink& DiscardMessages();

}  // namespace ormix
