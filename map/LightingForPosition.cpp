#include "map/LightingForPosition.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "map/BspData.h"

namespace {

// Eight blended values: ambient rgb and directed rgb (0 .. 255), then the two angles in degrees.
using Sample = std::array<float, 8>;

struct Grid {
  const BspLump<BspLightVolume>& samples;
  int nx, ny, nz;

  Sample At(int ix, int iy, int iz) const {
    const long i = (static_cast<long>(iz) * ny + iy) * nx + ix;
    const BspLightVolume& v = samples[static_cast<size_t>(std::clamp<long>(i, 0, long(samples.size()) - 1))];
    return {float(v.ambient[0]),     float(v.ambient[1]),     float(v.ambient[2]),   float(v.directional[0]),
            float(v.directional[1]), float(v.directional[2]), float(v.direction[0]), float(v.direction[1])};
  }

  // The bilinear blend of one layer; the neighbour past an edge is the edge sample itself.
  Sample Layer(float gx, float gy, int iz) const {
    const int ix = std::clamp(static_cast<int>(gx), 0, nx - 1);
    const int iy = std::clamp(static_cast<int>(gy), 0, ny - 1);
    iz = std::clamp(iz, 0, nz - 1);
    const float fx = std::clamp(gx - static_cast<float>(static_cast<int>(gx)), 0.0f, 1.0f);
    const float fy = std::clamp(gy - static_cast<float>(static_cast<int>(gy)), 0.0f, 1.0f);
    const int ix1 = std::min(ix + 1, nx - 1);
    const int iy1 = std::min(iy + 1, ny - 1);
    const Sample a = At(ix, iy, iz), b = At(ix1, iy, iz), c = At(ix, iy1, iz), d = At(ix1, iy1, iz);
    Sample out;
    for (size_t k = 0; k < out.size(); ++k) {
      const float row0 = a[k] * (1 - fx) + b[k] * fx;
      const float row1 = c[k] * (1 - fx) + d[k] * fx;
      out[k] = row0 * (1 - fy) + row1 * fy;
    }
    return out;
  }
};

int CellCount(float mins, float maxs, float cell) {
  return static_cast<int>(std::floor(maxs / cell) - std::ceil(mins / cell) + 1);
}

}  // namespace

LightSet LightingForPosition(const BspData& map, const platform::Vector3& p) {
  LightSet light;
  if (map.lightVolumes.empty() || map.models.empty()) return light;
  const BspModel& world = map.models[0];
  const Grid grid{map.lightVolumes, CellCount(world.mins[0], world.maxs[0], 64),
                  CellCount(world.mins[1], world.maxs[1], 64), CellCount(world.mins[2], world.maxs[2], 128)};
  if (grid.nx <= 0 || grid.ny <= 0 || grid.nz <= 0) return light;
  // The map stores y with the opposite sign of the game.
  const float gx = std::fabs((p.x - world.mins[0]) / 64.0f) - 0.5f;
  const float gy = std::fabs((-p.y - world.mins[1]) / 64.0f) - 0.5f;
  const float gz = std::fabs((p.z - world.mins[2]) / 128.0f) + 0.5f;
  const int iz = static_cast<int>(gz);
  const float f = gz - static_cast<float>(iz);
  const auto count = static_cast<double>(map.lightVolumes.size());
  const double layer = double(grid.nx) * grid.ny;
  const auto index = static_cast<long>(iz * layer + double(grid.nx) * gy + gx);
  if (index < 0 || double(index) >= count) return light;
  const Sample lower = grid.Layer(gx, gy, iz);
  const bool aboveInside = static_cast<long>((iz + 1) * layer + double(grid.nx) * gy + gx) < count && iz + 1 < grid.nz;
  const Sample upper = aboveInside ? grid.Layer(gx, gy, iz + 1) : lower;
  Sample v;
  for (size_t k = 0; k < v.size(); ++k) v[k] = lower[k] * (1 - f) + upper[k] * f;
  light.ambient = {v[0] / 255.0f, v[1] / 255.0f, v[2] / 255.0f};
  light.directed = {v[3] / 255.0f, v[4] / 255.0f, v[5] / 255.0f};
  const float a = v[6] * std::numbers::pi_v<float> / 180.0f;
  const float b = v[7] * std::numbers::pi_v<float> / 180.0f;
  light.direction = platform::Vec3Normalize({std::sin(a) * std::sin(b), std::sin(a) * std::cos(b), -std::cos(b)});
  return light;
}
