// Decodes GMT's binned GSHHG layout: the globe cut into square bins, each listing the shoreline pieces inside it.
//
// The data is GSHHG (Wessel and Smith, derived from World Vector Shoreline, CIA WDB-II and the Atlas of the
// Cryosphere), licensed LGPL-3+, from Debian's gmt-gshhg-low package: /usr/share/gmt-gshhg/binned_GSHHS_*.nc.
#include "gshhs_coastline.h"

#include <netcdf.h>

#include <cstdint>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace make_world_map {
namespace {

// Each piece packs its point count, shoreline level and bin-edge entry/exit sides into one int.
constexpr int kPointCountShift = 9;
constexpr int kLevelShift = 6;
constexpr int kLevelMask = 7;
constexpr int kAntarcticGroundingLine = 6;  // Antarctica's ice front comes as ordinary land
constexpr double kOffsetSteps = 65535;       // point offsets are 16-bit fractions of the bin size

class NetcdfFile {
 public:
  explicit NetcdfFile(const std::string& path) : path_(path) { Check(nc_open(path.c_str(), NC_NOWRITE, &id_)); }
  ~NetcdfFile() { nc_close(id_); }
  NetcdfFile(const NetcdfFile&) = delete;
  NetcdfFile& operator=(const NetcdfFile&) = delete;

  template <typename T>
  std::vector<T> Read(const char* name) const {
    int variable = 0;
    Check(nc_inq_varid(id_, name, &variable));
    int dimension = 0;
    Check(nc_inq_vardimid(id_, variable, &dimension));
    std::size_t length = 0;
    Check(nc_inq_dimlen(id_, dimension, &length));
    std::vector<T> values(length);
    if constexpr (std::is_same_v<T, short>) {
      Check(nc_get_var_short(id_, variable, values.data()));
    } else {
      Check(nc_get_var_int(id_, variable, values.data()));
    }
    return values;
  }

 private:
  void Check(int status) const {
    if (status != NC_NOERR) throw std::runtime_error(path_ + ": " + nc_strerror(status));
  }

  std::string path_;
  int id_ = -1;
};

}  // namespace

std::vector<CoastPiece> ReadBinnedCoastline(const std::string& path) {
  const NetcdfFile file(path);
  const double binDegrees = file.Read<int>("Bin_size_in_minutes").at(0) / 60.0;
  const int binsPerRow = file.Read<int>("N_bins_in_360_longitude_range").at(0);
  const std::vector<int> firstPiece = file.Read<int>("Id_of_first_segment_in_a_bin");
  const std::vector<short> pieceCount = file.Read<short>("N_segments_in_a_bin");
  const std::vector<int> pieceInfo = file.Read<int>("Embedded_npts_levels_exit_entry_for_a_segment");
  const std::vector<int> firstPoint = file.Read<int>("Id_of_first_point_in_a_segment");
  const std::vector<short> eastOffset = file.Read<short>("Relative_longitude_from_SW_corner_of_bin");
  const std::vector<short> northOffset = file.Read<short>("Relative_latitude_from_SW_corner_of_bin");

  const double degreesPerStep = binDegrees / kOffsetSteps;
  std::vector<CoastPiece> pieces;
  for (std::size_t bin = 0; bin < firstPiece.size(); ++bin) {
    // Bins run west to east along rows that start at the north pole.
    const double west = static_cast<double>(bin % binsPerRow) * binDegrees;
    const double south = 90 - static_cast<double>(bin / binsPerRow + 1) * binDegrees;
    for (int piece = firstPiece[bin]; piece < firstPiece[bin] + pieceCount[bin]; ++piece) {
      const int info = pieceInfo.at(piece);
      if (((info >> kLevelShift) & kLevelMask) == kAntarcticGroundingLine) continue;
      CoastPiece points;
      const int count = info >> kPointCountShift;
      for (int i = firstPoint.at(piece); i < firstPoint.at(piece) + count; ++i) {
        points.push_back({west + static_cast<std::uint16_t>(eastOffset.at(i)) * degreesPerStep,
                          south + static_cast<std::uint16_t>(northOffset.at(i)) * degreesPerStep});
      }
      pieces.push_back(std::move(points));
    }
  }
  return pieces;
}

}  // namespace make_world_map
