// What a dialog's OK does with the entries: accept them (possibly with
// messages shown on the way, such as warnings) or refuse them with the one
// message shown in its box, leaving the document as it was.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/messages.h"

namespace ormix {

struct DialogResult {
    bool accepted = true;
    std::vector<Message> messages;

    static DialogResult Accept() { return {}; }
    static DialogResult Refuse(std::string text, MessageKind kind = MessageKind::Error) {
        DialogResult r;
        r.accepted = false;
        r.messages.push_back({kind, std::move(text)});
        return r;
    }
    void Note(MessageKind kind, std::string text) { messages.push_back({kind, std::move(text)}); }
    // The message of a refusal.
    const std::string& Text() const {
        static const std::string none;
        return messages.empty() ? none : messages.front().text;
    }
};

// Shows a result's messages through a sink, in order.
inline void ShowMessages(const DialogResult& r, MessageSink& sink) {
    for (const Message& m : r.messages)
        sink.Show(m.kind, m.text);
}

}  // namespace ormix
