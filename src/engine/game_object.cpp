// The game object's life: construction, the game thread, stop.
#include "engine/game_object.h"

#include "save/history_file.h"
#include "save/save_file.h"
#include "save/saved_games.h"
#include "screens/airports.h"
#include "screens/finance_screens.h"
#include "screens/history_chart.h"
#include "screens/planes.h"
#include "screens/save_screens.h"
#include "screens/saved_games_screen.h"
#include "screens/schedule_editor.h"
#include "screens/tools_screens.h"

namespace jetvale {

GameObject::GameObject(Host& host, std::string assetDirectory, std::string saveFolder)
    : host_(host, record_.tickCounts),
      assetDirectory_(std::move(assetDirectory)),
      frameTimer_(host_),
      game_(host_.TickCount()),
      ui_(game_, backBuffer_),
      commands_({ToolbarRoutes(), ToolsScreenRoutes(), PlanesRoutes(), ScheduleEditorRoutes(), AirportScreenRoutes(),
                 FinanceScreenRoutes(), SaveScreenRoutes(), HistoryChartRoutes(), SavedGamesRoutes()}) {
  ui_.host = &host_;
  // A replay starts from the saved games that lie on disk now, and their histories; the list may load them.
  for (std::size_t place = 0; place < kSavedGamePlaces.size(); ++place) {
    const std::string path = SavedGamePath(saveFolder, place);
    SavedGameFiles files;
    if (!ReadSavedGameFiles(path, files)) continue;
    const std::string name(kSavedGamePlaces[place].file);
    if (place == 0) {
      record_.savedHistory = std::move(files.history);
      record_.savedGame = std::move(files.game);
      continue;
    }
    record_.savedFiles.emplace_back(name, std::move(files.game));
    if (!files.history.empty()) record_.savedFiles.emplace_back(HistoryFilePath(name), std::move(files.history));
  }
  ui_.saveFolder = std::move(saveFolder);
}

GameObject::~GameObject() { Stop(); }

void GameObject::SetStartSpeed(int framesPerTick) {
  ui_.gameSpeed = framesPerTick;
  ui_.pendingGameSpeed = framesPerTick;
  record_.gameSpeed = framesPerTick;
}

bool GameObject::OpenDisplay(PresentSink& window) {
  display_.SetDisplayMode(displayMode_);
  if (GapiFailed(display_.OpenDisplay(window, kOpenFullScreen))) {
    startupError_ = "cannot open the display: " + display_.OpenError();
    return false;
  }
  return true;
}

bool GameObject::Start(PresentSink& window) {
  if (!OpenDisplay(window)) return false;
  running_.store(true);
  paused_.store(false);
  try {
    thread_ = std::thread(&GameObject::GameThreadMain, this);
  } catch (const std::system_error& failure) {
    running_.store(false);
    paused_.store(true);
    startupError_ = std::string("cannot start the game thread: ") + failure.what();
    return false;
  }
  return true;
}

void GameObject::GameThreadMain() {
  while (IsRunning()) {
    RunFrame();
    while (IsRunning() && paused_.load()) host_.Sleep(100);
  }
}

void GameObject::Stop() {
  running_.store(false);
  if (thread_.joinable()) thread_.join();
}

}  // namespace jetvale
