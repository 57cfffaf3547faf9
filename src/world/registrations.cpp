// Registration tags: seven draws of the game's generator, each taken modulo 10 into a letter or digit.
#include "world/registrations.h"

#include <string_view>

#include "world/at_index.h"

namespace jetvale {
namespace {

constexpr std::string_view kFirstLetters = "ANBCDEFGHI";
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kLastLetters = "KRXSTYZQJV";
constexpr int kDigitCount = 5;

char Draw(Random& random, std::string_view alphabet) {
  return At(alphabet, random.Next() % 10);
}

}  // namespace

RegistrationPool::RegistrationPool(Random& random) {
  for (RegistrationTag& tag : tags_) {
    std::size_t at = 0;
    tag.text[at++] = Draw(random, kFirstLetters);
    for (int i = 0; i < kDigitCount; ++i) tag.text[at++] = Draw(random, kDigits);
    tag.text[at++] = Draw(random, kLastLetters);
    tag.text[at] = '\0';
  }
}

std::string RegistrationPool::Take() {
  for (RegistrationTag& tag : tags_) {
    if (tag.used) continue;
    tag.used = true;
    return tag.Text();
  }
  return {};  // cannot happen: there are more tags than plane slots
}

}  // namespace jetvale
