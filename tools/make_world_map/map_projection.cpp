// Fitting cylindrical projections to the airports' map pixels, and the warp that pins each airport to its pixel.
#include "map_projection.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace jetvale {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;
constexpr double kPixelsPerDegree = kWorldMapPeriod / 360.0;

double EquirectangularNorthing(double latitude) { return latitude; }
double EquirectangularLatitude(double northing) { return northing; }

double MercatorNorthing(double latitude) { return std::log(std::tan(kPi / 4 + latitude / 2)); }
double MercatorLatitude(double northing) { return 2 * std::atan(std::exp(northing)) - kPi / 2; }

double MillerNorthing(double latitude) { return 1.25 * std::log(std::tan(kPi / 4 + 0.4 * latitude)); }
double MillerLatitude(double northing) { return 2.5 * std::atan(std::exp(0.8 * northing)) - 0.625 * kPi; }

double GallNorthing(double latitude) { return (1 + std::numbers::sqrt2 / 2) * std::tan(latitude / 2); }
double GallLatitude(double northing) { return 2 * std::atan(northing / (1 + std::numbers::sqrt2 / 2)); }

double EqualAreaNorthing(double latitude) { return std::sin(latitude); }
double EqualAreaLatitude(double northing) { return std::asin(std::clamp(northing, -1.0, 1.0)); }

double Length(MapPoint vector) { return std::hypot(vector.x, vector.y); }

double WrapLongitude(double longitude) { return longitude - 360 * std::floor((longitude + 180) / 360); }

// Wendland's C2 function: smooth, zero from distance 1 on, and positive definite in the plane, so the
// interpolation system below always has a unique solution.
double Wendland(double distance) {
  if (distance >= 1) return 0;
  const double rest = 1 - distance;
  return rest * rest * rest * rest * (4 * distance + 1);
}

// The offset of a map point from an anchor, in units of the warp radius, taken the short way round the wrap.
MapPoint ReachFrom(const MapWarp& warp, MapPoint anchor, MapPoint map) {
  return {WrappedDx(map.x, anchor.x) / warp.radius, (map.y - anchor.y) / warp.radius};
}

double WarpKernel(const MapWarp& warp, MapPoint anchor, MapPoint map) {
  const MapPoint reach = ReachFrom(warp, anchor, map);
  return Wendland(Length(reach));
}

// Solves matrix * x = rhs in place by Gaussian elimination; rhs becomes x. The kernel matrix is symmetric
// positive definite, so elimination needs no pivoting and every pivot is positive.
void SolveInPlace(std::vector<std::vector<double>>& matrix, std::vector<MapPoint>& rhs) {
  const std::size_t n = rhs.size();
  for (std::size_t column = 0; column < n; ++column) {
    if (matrix[column][column] <= 0) throw std::runtime_error("control points too close together to interpolate");
    for (std::size_t row = column + 1; row < n; ++row) {
      const double factor = matrix[row][column] / matrix[column][column];
      if (factor == 0) continue;
      for (std::size_t k = column; k < n; ++k) matrix[row][k] -= factor * matrix[column][k];
      rhs[row].x -= factor * rhs[column].x;
      rhs[row].y -= factor * rhs[column].y;
    }
  }
  for (std::size_t row = n; row-- > 0;) {
    for (std::size_t k = row + 1; k < n; ++k) {
      rhs[row].x -= matrix[row][k] * rhs[k].x;
      rhs[row].y -= matrix[row][k] * rhs[k].y;
    }
    rhs[row].x /= matrix[row][row];
    rhs[row].y /= matrix[row][row];
  }
}

template <typename Project>
FitError MeasureError(std::span<const MapControlPoint> points, Project project) {
  FitError error;
  double sumSquares = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double distance = WrappedDistance(project(points[i].geo), points[i].map);
    sumSquares += distance * distance;
    if (distance > error.max) {
      error.max = distance;
      error.worst = static_cast<int>(i);
    }
  }
  error.rms = points.empty() ? 0 : std::sqrt(sumSquares / static_cast<double>(points.size()));
  return error;
}

}  // namespace

const std::array<CylindricalFamily, 5> kCylindricalFamilies = {{
    {"equirectangular", EquirectangularNorthing, EquirectangularLatitude},
    {"Mercator", MercatorNorthing, MercatorLatitude},
    {"Miller", MillerNorthing, MillerLatitude},
    {"Gall stereographic", GallNorthing, GallLatitude},
    {"Lambert equal-area", EqualAreaNorthing, EqualAreaLatitude},
}};

double WrappedDx(double a, double b) {
  const double dx = a - b;
  return dx - kWorldMapPeriod * std::floor(dx / kWorldMapPeriod + 0.5);
}

double WrappedDistance(MapPoint a, MapPoint b) { return std::hypot(WrappedDx(a.x, b.x), a.y - b.y); }

CylindricalFit FitCylindrical(const CylindricalFamily& family, std::span<const MapControlPoint> points) {
  CylindricalFit fit{&family, 0, 0, 0};
  if (points.size() < 2) throw std::invalid_argument("a fit needs at least two control points");
  // Offsets are averaged relative to the first point so that points on both sides of the wrap agree.
  const double firstOffset = points[0].map.x - points[0].geo.longitude * kPixelsPerDegree;
  double offsetSum = 0;
  double sumN = 0, sumY = 0, sumNN = 0, sumNY = 0;
  for (const MapControlPoint& point : points) {
    offsetSum += WrappedDx(point.map.x - point.geo.longitude * kPixelsPerDegree, firstOffset);
    const double n = family.northingOf(point.geo.latitude * kDegree);
    sumN += n;
    sumY += point.map.y;
    sumNN += n * n;
    sumNY += n * point.map.y;
  }
  const double count = static_cast<double>(points.size());
  fit.xOffset = firstOffset + offsetSum / count;
  fit.yScale = (count * sumNY - sumN * sumY) / (count * sumNN - sumN * sumN);
  fit.yOffset = (sumY - fit.yScale * sumN) / count;
  return fit;
}

MapPoint ProjectCylindrical(const CylindricalFit& fit, GeoPoint geo) {
  const double x = fit.xOffset + geo.longitude * kPixelsPerDegree;
  return {x - kWorldMapPeriod * std::floor(x / kWorldMapPeriod),
          fit.yOffset + fit.yScale * fit.family->northingOf(geo.latitude * kDegree)};
}

GeoPoint UnprojectCylindrical(const CylindricalFit& fit, MapPoint map) {
  const double latitude = fit.family->latitudeOf((map.y - fit.yOffset) / fit.yScale) / kDegree;
  return {WrapLongitude((map.x - fit.xOffset) / kPixelsPerDegree), std::clamp(latitude, -90.0, 90.0)};
}

FitError MeasureCylindricalError(const CylindricalFit& fit, std::span<const MapControlPoint> points) {
  return MeasureError(points, [&](GeoPoint geo) { return ProjectCylindrical(fit, geo); });
}

MapWarp FitWarp(const CylindricalFit& base, std::span<const MapControlPoint> points, double radius,
                double smoothing) {
  MapWarp warp;
  warp.radius = radius;
  std::vector<MapPoint> displacements;
  for (const MapControlPoint& point : points) {
    const MapPoint projected = ProjectCylindrical(base, point.geo);
    warp.anchors.push_back(point.map);
    displacements.push_back({WrappedDx(point.map.x, projected.x), point.map.y - projected.y});
  }
  std::vector<std::vector<double>> kernel(points.size(), std::vector<double>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) {
    for (std::size_t j = 0; j < points.size(); ++j) kernel[i][j] = WarpKernel(warp, warp.anchors[i], warp.anchors[j]);
    kernel[i][i] += smoothing;
  }
  SolveInPlace(kernel, displacements);
  warp.weights = std::move(displacements);
  return warp;
}

MapPoint WarpDisplacement(const MapWarp& warp, MapPoint map) {
  MapPoint displacement;
  for (std::size_t i = 0; i < warp.anchors.size(); ++i) {
    const double k = WarpKernel(warp, warp.anchors[i], map);
    displacement.x += k * warp.weights[i].x;
    displacement.y += k * warp.weights[i].y;
  }
  return displacement;
}

WarpJacobian JacobianAt(const MapWarp& warp, MapPoint map) {
  WarpJacobian jacobian;
  for (std::size_t i = 0; i < warp.anchors.size(); ++i) {
    const MapPoint reach = ReachFrom(warp, warp.anchors[i], map);
    const double distance = Length(reach);
    if (distance >= 1) continue;
    // The gradient of Wendland(|reach|) with respect to the map pixel.
    const double rest = 1 - distance;
    const double slope = -20 * rest * rest * rest / warp.radius;
    const double gradientX = slope * reach.x;
    const double gradientY = slope * reach.y;
    jacobian.xx -= warp.weights[i].x * gradientX;
    jacobian.xy -= warp.weights[i].x * gradientY;
    jacobian.yx -= warp.weights[i].y * gradientX;
    jacobian.yy -= warp.weights[i].y * gradientY;
  }
  return jacobian;
}

double SmallestAreaRatio(const MapWarp& warp, double step) {
  double smallest = 1;
  for (double y = 0; y < kWorldMapHeight; y += step) {
    for (double x = 0; x < kWorldMapPeriod; x += step) {
      smallest = std::min(smallest, JacobianAt(warp, {x, y}).Determinant());
    }
  }
  return smallest;
}

double LargestStretch(const MapWarp& warp, double step) {
  double largest = 1;
  for (double y = 0; y < kWorldMapHeight; y += step) {
    for (double x = 0; x < kWorldMapPeriod; x += step) {
      const WarpJacobian j = JacobianAt(warp, {x, y});
      // The singular values of the 2 x 2 Jacobian from its squared norm and determinant.
      const double squares = j.xx * j.xx + j.xy * j.xy + j.yx * j.yx + j.yy * j.yy;
      const double det = std::abs(j.Determinant());
      const double spread = std::sqrt(std::max(0.0, squares * squares - 4 * det * det));
      const double small = std::sqrt((squares - spread) / 2);
      if (small <= 0) return std::numeric_limits<double>::infinity();
      largest = std::max(largest, std::sqrt((squares + spread) / 2) / small);
    }
  }
  return largest;
}

WorldMapProjection FitWorldMapProjection(std::span<const MapControlPoint> points, double warpRadius,
                                         double warpSmoothing) {
  WorldMapProjection best;
  double bestRms = 0;
  for (const CylindricalFamily& family : kCylindricalFamilies) {
    const CylindricalFit fit = FitCylindrical(family, points);
    const double rms = MeasureCylindricalError(fit, points).rms;
    if (best.base.family == nullptr || rms < bestRms) {
      best.base = fit;
      bestRms = rms;
    }
  }
  best.warp = FitWarp(best.base, points, warpRadius, warpSmoothing);
  return best;
}

GeoPoint GeoOfMapPixel(const WorldMapProjection& projection, MapPoint map) {
  const MapPoint displacement = WarpDisplacement(projection.warp, map);
  return UnprojectCylindrical(projection.base, {map.x - displacement.x, map.y - displacement.y});
}

MapPoint MapPixelOfGeo(const WorldMapProjection& projection, GeoPoint geo) {
  // Solves q - d(q) = p for q by Newton's method, starting from q = p and halving any step that overshoots.
  const MapPoint projected = ProjectCylindrical(projection.base, geo);
  const auto miss = [&](MapPoint map) {
    const MapPoint displacement = WarpDisplacement(projection.warp, map);
    return MapPoint{WrappedDx(map.x - displacement.x, projected.x), map.y - displacement.y - projected.y};
  };
  MapPoint map = projected;
  MapPoint error = miss(map);
  for (int step = 0; step < 50 && Length(error) > 1e-9; ++step) {
    const WarpJacobian j = JacobianAt(projection.warp, map);
    const double det = j.Determinant();
    if (det <= 0) break;  // folded: no unique answer here
    const MapPoint newton{(j.yy * error.x - j.xy * error.y) / det, (j.xx * error.y - j.yx * error.x) / det};
    MapPoint next = map;
    MapPoint nextError = error;
    for (double fraction = 1; fraction > 1e-3 && Length(nextError) >= Length(error); fraction /= 2) {
      next = {map.x - fraction * newton.x, map.y - fraction * newton.y};
      nextError = miss(next);
    }
    if (Length(nextError) >= Length(error)) break;  // down to rounding
    map = next;
    error = nextError;
  }
  map.x -= kWorldMapPeriod * std::floor(map.x / kWorldMapPeriod);
  return map;
}

FitError MeasureWorldMapError(const WorldMapProjection& projection, std::span<const MapControlPoint> points) {
  return MeasureError(points, [&](GeoPoint geo) { return MapPixelOfGeo(projection, geo); });
}

}  // namespace jetvale
