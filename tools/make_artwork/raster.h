// A small rasteriser for the artwork: filled polygons on bitmaps, outlines around shapes, and stamping.
#pragma once

#include <vector>

#include "gfx/bmp_file.h"

namespace jetvale::artwork {

struct Point {
  double x = 0;
  double y = 0;
};
using Polygon = std::vector<Point>;

// One filled area; kMagenta as its colour clears what is below (cuts holes into a layer).
struct Shape {
  Polygon polygon;
  Color color = kBlack;
};
// Shapes painted in order, later ones on top; outlined as one silhouette.
using Layer = std::vector<Shape>;

Polygon Rectangle(double left, double top, double width, double height);
Polygon Ellipse(double centreX, double centreY, double radiusX, double radiusY);
// Scales, then turns by `degrees` counter-clockwise as seen on screen, then moves by `offset`.
Layer Transformed(const Layer& layer, double degrees, double scale, Point offset);

// Linear blend: `amount` 0 gives `from`, 1 gives `to`.
Color Mix(Color from, Color to, double amount);

BmpImage BlankImage(int width, int height, Color fill);
// Fills every pixel whose centre lies inside the polygon (even-odd rule); clips to the image.
void FillPolygon(BmpImage& image, const Polygon& polygon, Color color);
void Paint(BmpImage& image, const Layer& layer);
// Colours each magenta pixel that touches a non-magenta one (4-neighbourhood), so shapes stay readable on any ground.
void AddOutline(BmpImage& image, Color outline);
// Copies the non-magenta pixels of `sprite` with its top-left corner at (left, top); clips to `target`.
void Stamp(BmpImage& target, const BmpImage& sprite, int left, int top);
// A layer painted onto a magenta sprite of the given size, with its outline added.
BmpImage OutlinedSprite(const Layer& layer, int width, int height, Color outline);

}  // namespace jetvale::artwork
