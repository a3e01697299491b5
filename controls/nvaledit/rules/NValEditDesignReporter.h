#pragma once

#include <string>

namespace norvik {

// Where the numeric edit reports invalid property values while a form designer edits it: a
// beep and a message box in a real designer, a recorder in tests. Errors that end an
// operation are thrown as NValEditDesignError instead.
class NValEditDesignReporter {
public:
    virtual ~NValEditDesignReporter() = default;

    virtual void beep() = 0;
    virtual void showMessage(const std::string& message) = 0;

protected:
    NValEditDesignReporter() = default;
    NValEditDesignReporter(const NValEditDesignReporter&) = default;
    NValEditDesignReporter& operator=(const NValEditDesignReporter&) = default;
};

} // namespace norvik
