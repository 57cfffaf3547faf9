// The saved-game folder of the browser build: kept in the browser's IndexedDB so a save outlives the page, and
// offered as a download or replaced from a file so a game moves between the browser and the desktop.
var kSaveFolder = '/save';
var kSaveFile = kSaveFolder + '/am.txt';

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  FS.mkdir(kSaveFolder);
  FS.mount(IDBFS, {}, kSaveFolder);
  // The game starts once the folder holds what the browser kept from earlier visits.
  addRunDependency('jetvale-saves');
  FS.syncfs(true, function () { removeRunDependency('jetvale-saves'); });
});

function savedGameTime() {
  try {
    return FS.stat(kSaveFile).mtime.getTime();
  } catch (missing) {
    return 0;
  }
}

// The game writes am.txt whenever the player saves; each new version goes to lasting storage within a second.
Module['postRun'] = Module['postRun'] || [];
Module['postRun'].push(function () {
  var kept = savedGameTime();
  setInterval(function () {
    var now = savedGameTime();
    if (now === kept) return;
    kept = now;
    FS.syncfs(false, function () {});
  }, 250);
});

// False when there is no saved game yet.
Module['downloadSavedGame'] = function () {
  if (savedGameTime() === 0) return false;
  Module['offerDownload'](FS.readFile(kSaveFile), 'am.txt');
  return true;
};

// Puts the bytes of a saved game from elsewhere in place of the browser's own; Load Game then reads it.
Module['replaceSavedGame'] = function (bytes, done) {
  FS.writeFile(kSaveFile, new Uint8Array(bytes));
  FS.syncfs(false, done);
};
