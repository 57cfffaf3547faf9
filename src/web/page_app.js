// What makes the page an app: a loading line and an error line instead of a blank canvas, the service worker
// that lets the game start offline, the request to keep the saves, and the buttons for full screen, the screenshot,
// the history chart, the saved games and fast-forward.
'use strict';
(function () {
  var status = document.getElementById('page-status');
  var storageNote = document.getElementById('storage-note');

  function fail(what) {
    status.textContent = 'Jetvale could not go on: ' + what + '. Reload the page to try again.';
    status.className = 'error';
    status.hidden = false;
  }
  window.addEventListener('error', function (event) { fail(event.message || 'a script failed'); });
  window.addEventListener('unhandledrejection', function (event) { fail(String(event.reason)); });
  Module.onAbort = function (what) { fail(String(what || 'the game stopped')); };

  // A new build's worker waits until this page has all its files, then takes over for the next visit.
  function registerWorker() {
    if (!('serviceWorker' in navigator)) return;
    navigator.serviceWorker.register('service_worker.js', { updateViaCache: 'none' }).then(function (registration) {
      function takeOver(worker) { if (worker) worker.postMessage('take over'); }
      takeOver(registration.waiting);
      registration.addEventListener('updatefound', function () {
        var worker = registration.installing;
        worker.addEventListener('statechange', function () { if (worker.state === 'installed') takeOver(worker); });
      });
    }).catch(function () { storageNote.textContent = 'This browser cannot keep the game for offline play.'; });
  }

  // Without the browser's promise to keep it, storage may be cleared when the disk runs short.
  function keepSaves() {
    if (!navigator.storage || !navigator.storage.persist) return;
    navigator.storage.persist().then(function (kept) {
      if (!kept) {
        storageNote.textContent = 'This browser may still clear the saved games when it runs short of space: ' +
          'download them to keep them safe.';
      }
    });
  }

  // The Fast-forward button shows the step the game runs at, whatever set it.
  var fastForward = document.getElementById('fast-forward');
  function showFastForward() {
    var label = 'Fast-forward: ' + Module._jetvale_fast_forward();
    if (fastForward.textContent !== label) fastForward.textContent = label;
  }

  var onPicture = Module.onPicture;
  Module.onPicture = function () {
    if (onPicture) onPicture();
    showFastForward();
    if (status.className === 'error' || status.hidden) return;
    status.hidden = true;
    registerWorker();
    keepSaves();
  };

  document.getElementById('full-screen').addEventListener('click', function () {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen().catch(function () {});
  });
  // The same as F12, which many browsers keep for their developer tools.
  document.getElementById('screenshot').addEventListener('click', function () {
    if (Module.calledRun) Module.ccall('jetvale_key', 'number', ['string'], ['F12']);
  });
  // The same as F2: the history chart, opened or closed.
  document.getElementById('history-chart').addEventListener('click', function () {
    if (Module.calledRun) Module.ccall('jetvale_key', 'number', ['string'], ['F2']);
  });
  // The same as Tab on the game: the next fast-forward step.
  fastForward.addEventListener('click', function () {
    if (Module.calledRun) Module.ccall('jetvale_key', 'number', ['string'], ['Tab']);
  });
  // The same as F8: the saved games, listed or closed.
  document.getElementById('saved-games').addEventListener('click', function () {
    if (Module.calledRun) Module.ccall('jetvale_key', 'number', ['string'], ['F8']);
  });
})();
