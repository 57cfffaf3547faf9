// The game makes its own data folder: the saved game's writes make no folders.
#include "shell/data_folder.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "save/save_file.h"

namespace jetvale {

bool OpenDataFolder(const std::string& folder, SaveFolderLock& lock, std::string& message) {
  std::error_code failure;
  std::filesystem::create_directories(folder, failure);
  if (failure) {
    message = "cannot make the save folder " + folder + " (" + failure.message() + "): saving is off";
    return true;
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    message = "cannot write in the save folder " + folder + " (" + std::strerror(errno) + "): saving is off";
    return true;
  }
  if (!lock.Acquire(folder, message)) return false;
  // Held by this copy alone, the folder keeps no temporary of a save that a crash cut short.
  RemoveStaleSaveTemporaries(folder);
  return true;
}

}  // namespace jetvale
