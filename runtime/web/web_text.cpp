// UTF-8 texts to and from the page's strings.
#include "runtime/web/web_text.h"

#include <cstdlib>

namespace ringcalc::runtime {

std::string takeText(char* text, int length) {
    if (text == nullptr) {
        return {};
    }
    std::string taken(text, length > 0 ? static_cast<std::size_t>(length) : 0U);
    std::free(text);
    return taken;
}

} // namespace ringcalc::runtime
