#include "core/messages.h"

namespace ormix {

MessageSink& DiscardMessages() {
    static SilentSink sink;  // stateless: nothing it holds can change
    return sink;
}

}  // namespace ormix
