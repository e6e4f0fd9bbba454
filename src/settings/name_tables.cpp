#include "settings/name_tables.h"

namespace kairotex {

std::string_view HouseSystemName(char letter) {
  const size_t i = kHouseSystemLetters.find(letter);
  return kHouseSystemNames[i == std::string_view::npos ? 0 : i];
}

}  // namespace kairotex
