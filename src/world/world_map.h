// The world map's size in pixels: airports and planes have their positions on it.
#pragma once

namespace jetvale {

// The world map bitmap; planes wrap around it with a period 20 pixels shorter than the bitmap.
constexpr int kMapWidth = 1220;
constexpr int kMapHeight = 514;
constexpr int kMapPeriod = 1200;

}  // namespace jetvale
