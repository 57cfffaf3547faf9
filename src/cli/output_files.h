// The files a headless run writes, checked before the run: a run that has played must not lose its game to a
// file it cannot write or to two outputs written over each other.
#pragma once

#include <string>

#include "cli/simulation_run.h"

namespace jetvale {

// Whether a file can be made at `path` (its folder exists and takes new files, and it is no folder itself); false
// with `error` naming `option` and why not.
bool CanWriteFile(const std::string& option, const std::string& path, std::string& error);

// Whether the files --save (with its history side file), --history and --chart write are all apart, and apart from
// the saved game --load reads and its side file; --save may name the game loaded, to go on with it. False with
// `error` naming the two that meet.
bool OutputsStandApart(const SimOptions& options, std::string& error);

}  // namespace jetvale
