// Result codes of the graphics layer; the frame loop turns some of them into status texts.
#pragma once

#include <cstdint>

namespace jetvale {

using GapiResult = std::uint32_t;

constexpr GapiResult kGapiOk = 0;
constexpr GapiResult kGapiInvalidRect = 0xC86600E0;     // source rectangle outside or inverted
constexpr GapiResult kGapiInPrimary = 0xC86600A0;       // blit from the display's own surface
constexpr GapiResult kGapiInvalidParams = 0x80070057;   // bad argument (bad flags, empty file name)
constexpr GapiResult kGapiNotInitialized = 0xC8660080;  // surface has no pixels yet
constexpr GapiResult kGapiLocked = 0xC86600C0;          // surface is locked by another operation
constexpr GapiResult kGapiBackBufferLost = 0xC86600F0;  // Flip: fetch the back buffer again
constexpr GapiResult kGapiFrameLate = 0x48660100;       // WaitForNextFrame: already behind, did not wait
constexpr GapiResult kGapiFail = 0x80004005;  // a file or the display could not be opened, read or written

constexpr bool GapiFailed(GapiResult r) { return (r & 0x80000000u) != 0; }

}  // namespace jetvale
