// The saved-game folder of the browser build: kept in the browser's IndexedDB so a save outlives the page, and
// offered as a download or replaced from a file so a game moves between the browser and the desktop.
var kSaveFolder = '/save';
var kSaveFile = kSaveFolder + '/am.txt';
var kAutosaveFile = kSaveFolder + '/autosave.txt';

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
function savesStamp() { return savedGameTime() + ',' + fileTime(kAutosaveFile); }

// The game writes am.txt whenever the player saves and autosave.txt at month ends and when the page is hidden;
// each new version goes to lasting storage within a second, and at once when the page is hidden or left.
Module['postRun'] = Module['postRun'] || [];
Module['postRun'].push(function () {
  var kept = savesStamp();
  function syncChanged() {
    if (savesStamp() === kept) return;
    kept = savesStamp();
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

// Puts the bytes of a saved game from elsewhere in place of the browser's own; Load Game then reads it.
Module['replaceSavedGame'] = function (bytes, done) {
  FS.writeFile(kSaveFile, new Uint8Array(bytes));
  FS.syncfs(false, done);
};
