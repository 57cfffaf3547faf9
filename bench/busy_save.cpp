// jetvale-busy-save FILE: writes the benchmarks' game (four airlines, 80 planes in the air) as a saved game, so
// the real window can be measured with it (bench/window_fps.py loads it through "Load Game").
#include <cstdio>

#include "busy_game.h"
#include "save/save_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: jetvale-busy-save FILE\n", stderr);
    return 2;
  }
  if (!jetvale::SaveGameTo(argv[1], jetvale::BusyGame())) {
    std::fprintf(stderr, "jetvale-busy-save: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
