// One program at a time on a save folder: a second copy started beside the first must not interleave its saves
// (or its replays) with the first's.
#pragma once

#include <string>

namespace jetvale {

class SaveFolderLock {
 public:
  SaveFolderLock() = default;
  ~SaveFolderLock();
  SaveFolderLock(const SaveFolderLock&) = delete;
  SaveFolderLock& operator=(const SaveFolderLock&) = delete;

  // Creates `folder` when missing and takes its lock file without waiting. False with `error` set when another
  // program holds it or the folder cannot be used. The lock ends with this object or with the process, however
  // it ends.
  bool Acquire(const std::string& folder, std::string& error);

 private:
  int descriptor_ = -1;
};

}  // namespace jetvale
