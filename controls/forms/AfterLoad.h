#pragma once

namespace norvik {

// A control with a step of its own to take once the stored layout it sits in has been read:
// the form base runs Loaded() on every such control after the layout's fonts are fitted, so it
// needs to know no control by name.
class AfterLoad {
public:
    virtual ~AfterLoad() = default;
    virtual void Loaded() = 0;
};

} // namespace norvik
