#include "NValEditHarness.h"

#include <map>
#include <sstream>
#include <stdexcept>

namespace norvik {

NValEditHarness::NValEditHarness() {
    window.attach(core);
}

NValEditHarness::NValEditHarness(const NValEditConfig& config)
    : NValEditHarness() {
    core.setMaxDigits(config.maxDigits);
    core.setFixDecimal(config.fixDecimal);
    core.setZeroDisplay(config.zeroDisplay);
    core.setPrmtNegative(config.prmtNegative);
    core.setPutAComma(config.putAComma);
    core.setLeadingChar(config.leadingChar);
    core.setDelAllClear(config.delAllClear);
    core.setValue(config.value);
    core.loaded();
    core.focusGained(true);
}

std::vector<std::u16string> NValEditHarness::run(const std::string& script) {
    std::vector<std::u16string> shown;
    std::istringstream tokens(script);
    for (std::string token; tokens >> token;) {
        step(token);
        shown.push_back(window.text);
    }
    return shown;
}

void NValEditHarness::step(const std::string& token) {
    static const std::map<std::string, EditKey> keys = {
        {"BS", EditKey::Back},   {"DEL", EditKey::Delete}, {"ESC", EditKey::Escape},
        {"HOME", EditKey::Home}, {"LEFT", EditKey::Left},  {"ENTER", EditKey::Return},
        {"UP", EditKey::Up},     {"DOWN", EditKey::Down},
    };
    if (const auto key = keys.find(token); key != keys.end()) {
        core.keyDown(key->second);
    } else if (token == "SEL") {
        window.selectWhole();
    } else if (token == "IN") {
        core.focusGained(false);
    } else if (token == "CLICK") {
        core.focusGained(true);
    } else if (token == "OUT") {
        core.focusLost();
    } else if (token.size() == 2 && token[0] == '^') {
        core.typeChar(static_cast<char>(token[1] - '@'));
    } else if (token.size() == 1) {
        core.typeChar(token[0]);
    } else {
        throw std::invalid_argument("unknown script token " + token);
    }
}

std::u16string joined(const std::vector<std::u16string>& texts) {
    std::u16string joined;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        joined += (i == 0 ? u"" : u" | ") + texts[i];
    }
    return joined;
}

} // namespace norvik
