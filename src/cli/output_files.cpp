// Two paths name one file when they resolve to one place (dots, links and the current folder taken into
// account) or, for files that exist, when they are one file under two names.
#include "cli/output_files.h"

#include <unistd.h>

#include <filesystem>
#include <vector>

#include "save/history_file.h"

namespace jetvale {
namespace {

namespace fs = std::filesystem;

fs::path Resolved(const std::string& path) {
  std::error_code failure;
  const fs::path absolute = fs::absolute(path, failure);
  const fs::path resolved = fs::weakly_canonical(absolute, failure);
  return failure ? absolute.lexically_normal() : resolved;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code failure;
  return fs::equivalent(a, b, failure) || Resolved(a) == Resolved(b);
}

struct NamedFile {
  std::string name;
  std::string path;
};

}  // namespace

bool CanWriteFile(const std::string& option, const std::string& path, std::string& error) {
  const fs::path file(path);
  const fs::path folder = file.has_parent_path() ? file.parent_path() : ".";
  std::error_code failure;
  if (path.empty() || fs::is_directory(file, failure)) {
    error = option + " takes the name of a file, not '" + path + "'";
  } else if (!fs::is_directory(folder, failure)) {
    error = option + ": there is no folder '" + folder.string() + "' for '" + path + "'";
  } else if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    error = option + ": the folder '" + folder.string() + "' takes no new files";
  } else {
    return true;
  }
  return false;
}

bool OutputsStandApart(const SimOptions& options, std::string& error) {
  std::vector<NamedFile> files;
  const auto add = [&files](const std::string& option, const std::string& path, bool savedGame) {
    if (path.empty()) return;
    files.push_back({option, path});
    if (savedGame) files.push_back({option + "'s history side file", HistoryFilePath(path)});
  };
  add("--load", options.loadFile, true);
  // Saving over the game loaded writes the same two files the load read.
  const bool savesOverLoad =
      !options.loadFile.empty() && !options.saveFile.empty() && SameFile(options.saveFile, options.loadFile);
  if (!savesOverLoad) add("--save", options.saveFile, true);
  add("--history", options.historyFile, false);
  add("--chart", options.chartFile, false);
  for (std::size_t later = 1; later < files.size(); ++later) {
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      if (!SameFile(files[earlier].path, files[later].path)) continue;
      error = files[earlier].name + " and " + files[later].name + " name the same file, '" + files[later].path + "'";
      return false;
    }
  }
  return true;
}

}  // namespace jetvale
