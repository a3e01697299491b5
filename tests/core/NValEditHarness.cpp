#include "NValEditHarness.h"

#include <map>
#include <sstream>
#include <stdexcept>

using norvik::EditKey;

NValEditHarness::NValEditHarness() {
    window.Attach(core);
}

NValEditHarness::NValEditHarness(const NValEditConfig& config)
    : NValEditHarness() {
    core.SetMaxDigits(config.maxDigits);
    core.SetFixDecimal(config.fixDecimal);
    core.SetZeroDisplay(config.zeroDisplay);
    core.SetPrmtNegative(config.prmtNegative);
    core.SetPutAComma(config.putAComma);
    core.SetLeadingChar(config.leadingChar);
    core.SetDelAllClear(config.delAllClear);
    core.SetValue(config.value);
    core.Loaded();
    core.FocusGained(true);
}

std::vector<std::u16string> NValEditHarness::Run(const std::string& script) {
    std::vector<std::u16string> shown;
    std::istringstream tokens(script);
    for (std::string token; tokens >> token;) {
        Step(token);
        shown.push_back(window.text);
    }
    return shown;
}

void NValEditHarness::Step(const std::string& token) {
    static const std::map<std::string, EditKey> keys = {
        {"BS", EditKey::Back},   {"DEL", EditKey::Delete}, {"ESC", EditKey::Escape},
        {"HOME", EditKey::Home}, {"LEFT", EditKey::Left},  {"ENTER", EditKey::Return},
        {"UP", EditKey::Up},     {"DOWN", EditKey::Down},
    };
    if (const auto key = keys.find(token); key != keys.end()) {
        core.KeyDown(key->second);
    } else if (token == "SEL") {
        window.SelectAll();
    } else if (token == "IN") {
        core.FocusGained(false);
    } else if (token == "CLICK") {
        core.FocusGained(true);
    } else if (token == "OUT") {
        core.FocusLost();
    } else if (token.size() == 2 && token[0] == '^') {
        core.TypeChar(static_cast<char>(token[1] - '@'));
    } else if (token.size() == 1) {
        core.TypeChar(token[0]);
    } else {
        throw std::invalid_argument("unknown script token " + token);
    }
}

std::u16string Joined(const std::vector<std::u16string>& texts) {
    std::u16string joined;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        joined += (i == 0 ? u"" : u" | ") + texts[i];
    }
    return joined;
}
