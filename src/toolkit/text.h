#pragma once

#include <cstddef>
#include <string>

namespace tk {

// Text is UTF-8 throughout; lengths that a user sees are counted in characters.
std::size_t characterCount(const std::string& utf8);
std::string firstCharacters(const std::string& utf8, std::size_t count);

}  // namespace tk
