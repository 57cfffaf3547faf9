// An advisory lock (flock) on a file in the folder: the system drops it when the holder exits or crashes, so a
// stale lock cannot keep the player out.
#include "save/save_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace jetvale {
namespace {

constexpr const char* kLockFileName = "jetvale.lock";

}  // namespace

SaveFolderLock::SaveFolderLock() : lock_(::flock) {}

SaveFolderLock::~SaveFolderLock() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

bool SaveFolderLock::Acquire(const std::string& folder, std::string& message) {
  message.clear();
  std::error_code made;
  std::filesystem::create_directories(folder, made);
  const std::string path = (std::filesystem::path(folder) / kLockFileName).string();
  const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (descriptor < 0) {
    message = "cannot use the save folder " + folder + ": " + std::strerror(errno);
    return false;
  }
  if (lock_(descriptor, LOCK_EX | LOCK_NB) != 0) {
    const int reason = errno;
    ::close(descriptor);
    if (reason == ENOLCK) {
      message = "the save folder " + folder + " cannot be locked (" + std::strerror(reason) +
                "): a second Jetvale on it would not be noticed";
      return true;
    }
    message = reason == EWOULDBLOCK ? "another Jetvale is running with the save folder " + folder
                                    : "cannot lock the save folder " + folder + ": " + std::strerror(reason);
    return false;
  }
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = descriptor;
  return true;
}

}  // namespace jetvale
