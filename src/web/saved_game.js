// The saved-game folder of the browser build: kept in the browser's IndexedDB so a save outlives the page, and
// offered as a download or replaced from a file so a game moves between the browser and the desktop.
var kSaveFolder = '/save';
var kSaveFile = kSaveFolder + '/am.txt';
var kAutosaveFile = kSaveFolder + '/autosave.txt';
var kUploadFile = kSaveFolder + '/upload.txt';  // a file from elsewhere, until the game's reader accepts it

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  FS.mkdir(kSaveFolder);
  FS.mount(IDBFS, {}, kSaveFolder);
  // The game starts once the folder holds what the browser kept from earlier visits.
  addRunDependency('jetvale-saves');
  FS.syncfs(true, function () { removeRunDependency('jetvale-saves'); });
});

function fileTime(path) {
  try {
    return FS.stat(path).mtime.getTime();
  } catch (missing) {
    return 0;
  }
}

function savedGameTime() { return fileTime(kSaveFile); }

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

// False when there is no saved game yet.
Module['downloadSavedGame'] = function () {
  if (savedGameTime() === 0) return false;
  Module['offerDownload'](FS.readFile(kSaveFile), 'am.txt');
  return true;
};

// The autosave, to resume on the desktop (jetvale --load) or here; false when there is none yet.
Module['downloadAutosave'] = function () {
  if (fileTime(kAutosaveFile) === 0) return false;
  Module['offerDownload'](FS.readFile(kAutosaveFile), 'autosave.txt');
  return true;
};

// The longest file the game's reader takes; the page refuses a longer one before reading it.
Module['savedGameLimit'] = function () { return _jetvale_max_saved_game_bytes(); };

// Puts the bytes of a saved game from elsewhere in place of the browser's own once the game's reader has accepted
// them in a file beside it; Load Game then reads it. `done` gets null once the new game is kept in lasting storage,
// or the reader's reason for refusing the bytes, and then the stored game and its history stay as they were. The
// old am.history may stay beside a new am.txt: the reader takes a history only with the text it was written with.
Module['replaceSavedGame'] = function (bytes, done) {
  FS.writeFile(kUploadFile, new Uint8Array(bytes));
  var problem = ccall('jetvale_load_problem', 'number', ['string'], [kUploadFile]);
  if (problem !== 0) {
    FS.unlink(kUploadFile);
    done(UTF8ToString(problem));
    return;
  }
  FS.rename(kUploadFile, kSaveFile);
  FS.syncfs(false, function () { done(null); });
};
