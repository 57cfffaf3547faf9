// The saved-game folder of the browser build: kept in the browser's IndexedDB so its saved games outlive the page,
// each offered as a download or replaced from a file so a game moves between the browser and the desktop.
var kSaveFolder = '/save';
var kUploadFile = kSaveFolder + '/upload.txt';  // a file from elsewhere, until the game's reader accepts it

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  FS.mkdir(kSaveFolder);
  FS.mount(IDBFS, {}, kSaveFolder);
  // The game starts once the folder holds what the browser kept from earlier visits.
  addRunDependency('jetvale-saves');
  FS.syncfs(true, function () { removeRunDependency('jetvale-saves'); });
});

// What the folder holds: each file with its time and size. A save, a delete and an autosave with the moves that make
// room for it all change it.
function folderStamp() {
  return FS.readdir(kSaveFolder).filter(function (name) { return name !== '.' && name !== '..'; })
    .map(function (name) {
      var stat = FS.stat(kSaveFolder + '/' + name);
      return name + ':' + stat.mtime.getTime() + ':' + stat.size;
    }).join('|');
}

// The game writes am.txt on Save Game, a slot on a save from the Saved Games list (which also deletes slots), and
// the autosave at month ends and when the page is hidden; each change of the folder goes to lasting storage within
// a second, and at once when the page is hidden or left.
Module['postRun'] = Module['postRun'] || [];
Module['postRun'].push(function () {
  var kept = folderStamp();
  function syncChanged() {
    if (folderStamp() === kept) return;
    kept = folderStamp();
    FS.syncfs(false, function () {});
  }
  setInterval(syncChanged, 250);
  document.addEventListener('visibilitychange', syncChanged);
  window.addEventListener('pagehide', syncChanged);
});

// The saved games the page lists, in the game's order: each file's name, and whether a file from elsewhere may
// take its place (am.txt and the slots, where the game itself saves).
var savedGamePlaces = null;
Module['savedGamePlaces'] = function () {
  if (savedGamePlaces === null) savedGamePlaces = JSON.parse(UTF8ToString(_jetvale_saved_game_places()));
  return savedGamePlaces;
};

// The saved game `file` (one the list names), to resume on the desktop (jetvale --load) or here; false when it
// is not there yet.
Module['downloadSavedGame'] = function (file) {
  var listed = Module['savedGamePlaces']().some(function (place) { return place.file === file; });
  var path = kSaveFolder + '/' + file;
  if (!listed || !FS.analyzePath(path).exists) return false;
  Module['offerDownload'](FS.readFile(path), file);
  return true;
};

// The longest file the game's reader takes; the page refuses a longer one before reading it.
Module['savedGameLimit'] = function () { return _jetvale_max_saved_game_bytes(); };

// Puts the bytes of a saved game from elsewhere in place of the saved game `file` (am.txt or a slot) once the
// game's reader has accepted them in a file beside it; Load Game or the Saved Games list then reads it. `done` gets
// null once the new game is kept in lasting storage, or why the bytes were refused, and then every saved game and
// its history stay as they were. The history of the game replaced goes with it.
Module['storeSavedGame'] = function (file, bytes, done) {
  FS.writeFile(kUploadFile, new Uint8Array(bytes));
  var problem = ccall('jetvale_store_upload', 'number', ['string', 'string'], [kUploadFile, file]);
  if (problem !== 0) {
    done(UTF8ToString(problem));
    return;
  }
  FS.syncfs(false, function () { done(null); });
};
