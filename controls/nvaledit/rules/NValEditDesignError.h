#pragma once

#include <stdexcept>
#include <string>

namespace norvik {

// A value assignment that a form designer must refuse. It ends the operation; the designer
// shows what() (UTF-8).
class NValEditDesignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace norvik
