// The page side of page_bridge.h: canvas, downloads and lasting storage.
mergeInto(LibraryManager.library, {
  // The canvas's context, and the picture as a view of the frame's pixels in WebAssembly memory: kept from frame to
  // frame, and made anew only when the pixels move or the memory grows (which replaces its buffer).
  $shownPicture: { context: null, image: null },
  jetvale_show_picture__deps: ['$shownPicture'],
  jetvale_show_picture: function (rgba, width, height) {
    var canvas = Module['canvas'];
    if (canvas.width !== width) canvas.width = width;
    if (canvas.height !== height) canvas.height = height;
    // Every pixel is opaque, so the canvas needs no alpha of its own.
    if (shownPicture.context === null) shownPicture.context = canvas.getContext('2d', { alpha: false });
    var image = shownPicture.image;
    if (image === null || image.data.buffer !== HEAPU8.buffer || image.data.byteOffset !== rgba ||
        image.width !== width || image.height !== height) {
      image = shownPicture.image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4),
        width, height);
    }
    shownPicture.context.putImageData(image, 0, 0);
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
