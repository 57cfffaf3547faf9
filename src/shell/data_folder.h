// The player's data folder at the game's start: made when missing and held against a second copy of the game. A
// folder that cannot be made or written does not keep the player from playing: the game runs with saving off, its
// saves then failing as on a full disk ("Error during save"; a failed autosave says nothing).
#pragma once

#include <string>

#include "save/save_folder_lock.h"

namespace jetvale {

// True when the game may start: `folder` is made and held by `lock`, or it cannot be made or written and saving is
// off. False when another copy holds it or its lock fails. `message` says why not, that saving is off, or that a
// second copy would go unnoticed; it is empty when all is well.
bool OpenDataFolder(const std::string& folder, SaveFolderLock& lock, std::string& message);

}  // namespace jetvale
