#include "toolkit/event.h"

#include <stdexcept>

namespace tk {

void Event::bind(std::function<void()> handler) {
    if (bound()) {
        throw std::logic_error(owner_ + "_" + what_ + " has a handler already");
    }
    handler_ = std::move(handler);
}

}  // namespace tk
