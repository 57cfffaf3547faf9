// The game in a browser page: the page calls Frame at 30 frames a second and hands over taps, keys and its
// visibility; there is no game thread, so the frame runs right here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/game_object.h"
#include "web/canvas_sink.h"
#include "web/web_host.h"

namespace jetvale {

class WebGame {
 public:
  // `saveFolder` is where the page keeps the saved games (save/saved_games.h) in the browser's lasting storage.
  WebGame(const std::string& assetDirectory, const std::string& saveFolder);

  // False with StartupError() when the display cannot open.
  bool Open();
  // One frame, unless the page is hidden or the game has closed; false once it has closed.
  bool Frame();
  // A tap on the 320 x 240 picture, in its own landscape pixels.
  void Tap(int x, int y);
  // A key by the page's name for it ("ArrowUp", "F2", "F8", "F12", "Tab"); false when the game has no use for it.
  // The page hands over Tab only while the canvas has the keyboard's focus.
  bool Key(std::string_view name);
  // Hidden, the page runs no frames and the game under way is written to the autosave.
  void SetHidden(bool hidden);
  // The saved games as the page lists them, in the game's order, as JSON: each file's name and whether a file
  // from elsewhere may take its place (am.txt and the slots, where the game itself saves).
  static std::string SavedGamePlacesText();
  // Puts the file at `uploadPath` in place of the saved game `file` of the save folder once it is one that takes a
  // file and Load Game would read the upload; a side file written with another game goes. Nothing when done, else
  // why not, and then every saved game stays as it was. The upload is gone either way.
  std::optional<std::string> StoreUpload(const std::string& uploadPath, std::string_view file);

  // The fast-forward step the frames run at: ticks a frame, 0 while off.
  int FastForward() const { return game_.FastForward(); }

  const std::string& StartupError() const { return game_.StartupError(); }
  // The state tests read: balance text, fleet size, date, the clock's ticks since the first day's midnight, the
  // fast-forward step, the open window, frames shown, the time spent in them and in presenting them, closed or
  // not, the game's message while it shows, and the open window's items.
  std::string StateText();

 private:
  void ShowClosingPicture();

  WebHost host_;
  CanvasSink sink_;
  GameObject game_;
  bool hidden_ = false;
  bool closed_ = false;
  bool screenshotDue_ = false;
  std::int64_t frameMicroseconds_ = 0;  // spent in RunFrame but not presenting, all frames together
};

}  // namespace jetvale
