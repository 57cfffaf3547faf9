// The page side of page_bridge.h: canvas, downloads and lasting storage.
mergeInto(LibraryManager.library, {
  jetvale_show_picture: function (rgba, width, height) {
    var canvas = Module['canvas'];
    if (canvas.width !== width) canvas.width = width;
    if (canvas.height !== height) canvas.height = height;
    var pixels = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width, height);
    canvas.getContext('2d').putImageData(pixels, 0, 0);
    if (Module['onPicture']) Module['onPicture']();
  },

  jetvale_offer_download: function (path, downloadName) {
    var name = UTF8ToString(downloadName);
    var bytes;
    try {
      bytes = FS.readFile(UTF8ToString(path));
    } catch (missing) {
      return;
    }
    Module['offerDownload'](bytes, name);
  },
});
