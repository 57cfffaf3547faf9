// Indexing a container by a game number: slots, legs, classes and airport ids are ints, as in the saved game.
#pragma once

#include <cstddef>

namespace jetvale {

// container[index] for an index the caller has kept within the container; const when the container is.
template <class Container>
constexpr decltype(auto) At(Container& container, int index) {
  return container[static_cast<std::size_t>(index)];
}

}  // namespace jetvale
