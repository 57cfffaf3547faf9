// The data folder at the game's start: made when missing; one that cannot be made or written leaves saving off and
// the game starting; one another copy holds keeps the game from starting.
#include "shell/data_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace jetvale {
namespace {

namespace fs = std::filesystem;

TEST(DataFolder, OnlyAnotherCopyOfTheGameKeepsItFromStarting) {
  const fs::path root = fs::temp_directory_path() / "jetvale_data_folder";
  fs::remove_all(root);
  fs::create_directories(root / "read-only");
  fs::permissions(root / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
  std::ofstream(root / "file") << "x";
  SaveFolderLock held;
  std::string message;
  ASSERT_TRUE(held.Acquire((root / "held").string(), message)) << message;
  using Case = std::tuple<fs::path, bool, std::string>;  // the folder, whether the game starts, what it says
  std::vector<Case> cases = {
      {root / "new", true, ""},
      {root / "file" / "jetvale", true, "cannot make the save folder " + root.string()},
      {root / "held", false, "another Jetvale is running with the save folder " + root.string()},
  };
  // The superuser writes in any folder: a read-only one can be had only without its powers.
  if (::access((root / "read-only").c_str(), W_OK) != 0) {
    cases.emplace_back(root / "read-only", true, "cannot write in the save folder " + root.string());
  }
  for (const auto& [folder, starts, says] : cases) {
    SaveFolderLock lock;
    EXPECT_EQ(OpenDataFolder(folder.string(), lock, message), starts) << folder;
    EXPECT_EQ(message.substr(0, says.size()), says);
    EXPECT_EQ(message.ends_with("): saving is off"), starts && !says.empty()) << message;
  }
  EXPECT_TRUE(fs::is_directory(root / "new"));
}

}  // namespace
}  // namespace jetvale
