// The display over a present sink.
#include "gfx/gapi_display.h"

namespace jetvale {

GapiResult CGapiDisplay::SetDisplayMode(std::uint32_t mode) {
  if (mode != kDisplayLandscape) return kGapiInvalidParams;
  width_ = kScreenWidth;
  height_ = kScreenHeight;
  return kGapiOk;
}

GapiResult CGapiDisplay::OpenDisplay(PresentSink& sink, std::uint32_t /*flags*/) {
  if (!sink.Open(openError_)) return kGapiFail;
  sink_ = &sink;
  return kGapiOk;
}

GapiResult CGapiDisplay::GetBackBuffer(CGapiSurface& surface) {
  if (sink_ == nullptr || width_ == 0) return kGapiNotInitialized;
  if (surface.GetWidth() != width_ || surface.GetHeight() != height_) surface.CreateSurface(width_, height_);
  backBuffer_ = &surface;
  return kGapiOk;
}

GapiResult CGapiDisplay::Flip() {
  if (sink_ == nullptr || backBuffer_ == nullptr) return kGapiNotInitialized;
  return sink_->Present(*backBuffer_);
}

}  // namespace jetvale
