#include "help/tool/PageExpander.h"

#include <stdexcept>

namespace norvik::help {

namespace {
constexpr std::string_view kOpen = "<!--norvik:";
constexpr std::string_view kClose = "-->";
} // namespace

PageExpander::PageExpander(const Fragments& fragments)
    : fragments_(fragments) {}

std::string PageExpander::expand(std::string_view page) const {
    std::string out;
    out.reserve(page.size() * 2);
    std::size_t from = 0;
    for (std::size_t at = page.find(kOpen); at != std::string_view::npos;
         at = page.find(kOpen, from)) {
        out.append(page.substr(from, at - from));
        const std::size_t nameBegin = at + kOpen.size();
        const std::size_t close = page.find(kClose, nameBegin);
        if (close == std::string_view::npos) {
            throw std::runtime_error("unclosed marker " + std::string(page.substr(at, 40)));
        }
        const std::string name(page.substr(nameBegin, close - nameBegin));
        const auto fragment = fragments_.find(name);
        if (fragment == fragments_.end()) {
            throw std::runtime_error("unknown marker <!--norvik:" + name + "-->");
        }
        out += fragment->second;
        from = close + kClose.size();
    }
    out.append(page.substr(from));
    return out;
}

} // namespace norvik::help
