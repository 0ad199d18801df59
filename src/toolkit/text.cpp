#include "toolkit/text.h"

namespace tk {

namespace {
bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
}  // namespace

std::size_t characterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (char c : utf8) count += isContinuationByte(c) ? 0 : 1;
    return count;
}

std::string firstCharacters(const std::string& utf8, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (isContinuationByte(utf8[i])) continue;
        if (seen == count) return utf8.substr(0, i);
        ++seen;
    }
    return utf8;
}

}  // namespace tk
