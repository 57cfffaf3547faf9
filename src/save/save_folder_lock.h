// One program at a time on a save folder: a second copy started beside the first must not interleave its saves
// (or its replays) with the first's.
#pragma once

#include <string>

namespace jetvale {

class SaveFolderLock {
 public:
  // The system's advisory lock call, flock(2); a test passes one that fails as a file system without locks does.
  using LockCall = int (*)(int descriptor, int operation);
  SaveFolderLock();
  explicit SaveFolderLock(LockCall lock) : lock_(lock) {}
  ~SaveFolderLock();
  SaveFolderLock(const SaveFolderLock&) = delete;
  SaveFolderLock& operator=(const SaveFolderLock&) = delete;

  // Creates `folder` when missing and takes its lock file without waiting. False with `message` saying why when
  // another program holds it or the folder cannot be used. True with `message` empty, or, on a file system that
  // has no locks (some network shares), saying that a second copy would go unnoticed. The lock ends with this
  // object or with the process, however it ends.
  bool Acquire(const std::string& folder, std::string& message);

 private:
  LockCall lock_;
  int descriptor_ = -1;
};

}  // namespace jetvale
