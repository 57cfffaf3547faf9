// The world map's projection: a cylindrical projection fitted to the airports' map pixels, plus a local warp.
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace jetvale {

constexpr int kWorldMapWidth = 1220;
constexpr int kWorldMapHeight = 514;
constexpr int kWorldMapPeriod = 1200;  // the game wraps x here, so 360 degrees of longitude span this many pixels
// The warp that draws the land towards the airports' hand-placed pixels. Pinning every airport exactly bent the
// land around them (Italy a sliver, Taiwan a needle); a wide and smoothed warp keeps the continents' shapes and
// leaves each airport within a few pixels of its place, and the painter puts a small patch of land under any
// airport that still lies at sea.
constexpr double kWorldMapWarpRadius = 200;   // pixels
constexpr double kWorldMapWarpSmoothing = 0.3;  // residuals traded for smoothness, relative to the kernel's peak

// Map coordinates are continuous pixels: pixel (x, y) covers [x, x+1) x [y, y+1), its centre is (x+0.5, y+0.5).
struct MapPoint {
  double x = 0;
  double y = 0;
};

struct GeoPoint {
  double longitude = 0;  // degrees, east positive
  double latitude = 0;   // degrees, north positive
};

// A place whose map position is known, such as an airport and the centre of its hand-placed pixel.
struct MapControlPoint {
  GeoPoint geo;
  MapPoint map;
};

// A cylindrical projection up to scale: the northing of a latitude and back, both in radians.
struct CylindricalFamily {
  std::string_view name;
  double (*northingOf)(double latitude);
  double (*latitudeOf)(double northing);
};

extern const std::array<CylindricalFamily, 5> kCylindricalFamilies;

// x = xOffset + longitude * kWorldMapPeriod / 360, y = yOffset + yScale * northing(latitude). The x scale is
// fixed rather than fitted: any other value would break the wrap.
struct CylindricalFit {
  const CylindricalFamily* family = nullptr;
  double xOffset = 0;
  double yScale = 0;
  double yOffset = 0;
};

// Displaces the map near its anchors: the map pixel q shows what the cylindrical projection puts at q - d(q),
// where d equals each anchor's displacement at the anchor and falls smoothly to zero `radius` pixels away.
struct MapWarp {
  std::vector<MapPoint> anchors;  // map pixels
  std::vector<MapPoint> weights;  // per anchor, solved so that d hits every anchor's displacement exactly
  double radius = 0;
};

struct WorldMapProjection {
  CylindricalFit base;
  MapWarp warp;
};

struct FitError {
  double rms = 0;  // pixels
  double max = 0;
  int worst = 0;   // index of the control point with the largest error
};

// Least-squares fit of x offset, y scale and y offset.
CylindricalFit FitCylindrical(const CylindricalFamily& family, std::span<const MapControlPoint> points);
// x comes out in [0, kWorldMapPeriod).
MapPoint ProjectCylindrical(const CylindricalFit& fit, GeoPoint geo);
// Latitudes beyond the poles clamp to them; longitude comes out in [-180, 180).
GeoPoint UnprojectCylindrical(const CylindricalFit& fit, MapPoint map);
FitError MeasureCylindricalError(const CylindricalFit& fit, std::span<const MapControlPoint> points);

// A warp that moves every point's cylindrical position towards its map position: onto it with smoothing 0, and
// ever more loosely, trading the points' residuals for a gentler warp, as the smoothing grows.
MapWarp FitWarp(const CylindricalFit& base, std::span<const MapControlPoint> points, double radius, double smoothing);
MapPoint WarpDisplacement(const MapWarp& warp, MapPoint map);

// How the cylindrical position q - d(q) moves with the map pixel q; a determinant <= 0 means the warp folds.
struct WarpJacobian {
  double xx = 1, xy = 0, yx = 0, yy = 1;  // d(base x)/d(map x), d(base x)/d(map y), ...
  double Determinant() const { return xx * yy - xy * yx; }
};
WarpJacobian JacobianAt(const MapWarp& warp, MapPoint map);
// The smallest Jacobian determinant over the map's period, sampled every `step` pixels.
double SmallestAreaRatio(const MapWarp& warp, double step);
// The largest ratio of the Jacobian's singular values over the map's period: how much more the warp stretches
// the land one way than the other (1 keeps every shape; a thin sliver of a peninsula is a ratio of 2 or more).
double LargestStretch(const MapWarp& warp, double step);

// Fits every family, keeps the one with the smallest RMS error and draws the points towards their pixels with a
// warp that reaches `warpRadius` pixels.
WorldMapProjection FitWorldMapProjection(std::span<const MapControlPoint> points, double warpRadius,
                                         double warpSmoothing);
GeoPoint GeoOfMapPixel(const WorldMapProjection& projection, MapPoint map);
// The inverse of GeoOfMapPixel, found by Newton's method; exact wherever the warp does not fold the map.
MapPoint MapPixelOfGeo(const WorldMapProjection& projection, GeoPoint geo);
FitError MeasureWorldMapError(const WorldMapProjection& projection, std::span<const MapControlPoint> points);

// The x difference a - b taken the short way round the wrap.
double WrappedDx(double a, double b);
double WrappedDistance(MapPoint a, MapPoint b);

}  // namespace jetvale
