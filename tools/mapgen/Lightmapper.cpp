#include "tools/mapgen/Lightmapper.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr float kLuxel = 16.0f;  // world units per lightmap texel
constexpr float kLampSpacing = 384.0f;
constexpr float kLampFalloff = 320.0f;
constexpr float kAmbient = 0.3f;
constexpr float kLampPower = 1.0f;
const Vec3 kLampColor = {1.0f, 0.93f, 0.8f};
// The renderer brightens each lightmap texel by 7/255 per unit, so full light is byte 36.
constexpr float kLightmapScale = 255.0f / 7.0f;

std::vector<Vec3> Lamps(const MapPlan& plan, const Area& a) {
  float w = float(a.maxX - a.minX), h = float(a.maxY - a.minY);
  int nx = std::max(1, int(std::lround(w / kLampSpacing)));
  int ny = std::max(1, int(std::lround(h / kLampSpacing)));
  std::vector<Vec3> lamps;
  for (int j = 0; j < ny; ++j)
    for (int i = 0; i < nx; ++i)
      lamps.push_back({plan.offsetX + a.minX + w * (i + 0.5f) / nx, a.minY + h * (j + 0.5f) / ny,
                       kCeilingHeight - 24.0f});
  return lamps;
}

float Light(const std::vector<Vec3>& lamps, Vec3 p, Vec3 n) {
  float light = kAmbient;
  for (Vec3 lamp : lamps) {
    Vec3 d = lamp - p;
    float distance = std::sqrt(Dot(d, d));
    if (distance < 1.0f) continue;
    float facing = std::max(0.0f, Dot(n, d * (1.0f / distance)));
    float falloff = 1.0f / (1.0f + (distance / kLampFalloff) * (distance / kLampFalloff));
    light += kLampPower * facing * falloff;
  }
  return light;
}

int Texels(float size) { return int(std::ceil(size / kLuxel)) + 1; }

struct Placement {
  int page, x, y;
};

// Shelf packing, tallest first, so the pages fill in a stable order.
std::vector<Placement> Pack(const std::vector<Quad>& quads) {
  std::vector<int> order(quads.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return Texels(quads[a].height) > Texels(quads[b].height);
  });
  std::vector<Placement> placed(quads.size());
  int page = 0, x = 0, y = 0, shelf = 0;
  for (int i : order) {
    int w = Texels(quads[i].width), h = Texels(quads[i].height);
    if (x + w > kLightmapSize) x = 0, y += shelf, shelf = 0;
    if (y + h > kLightmapSize) ++page, x = 0, y = 0, shelf = 0;
    placed[i] = {page, x, y};
    x += w;
    shelf = std::max(shelf, h);
  }
  return placed;
}

uint8_t Byte(float v) { return uint8_t(std::clamp(std::lround(v * kLightmapScale), 0L, 255L)); }

}  // namespace

void BakeLightmaps(const MapPlan& plan, const std::vector<Quad>& quads, BspFileContents& out) {
  std::vector<std::vector<Vec3>> lamps;
  for (const Area& a : plan.areas) lamps.push_back(Lamps(plan, a));
  std::vector<Placement> placed = Pack(quads);
  int pages = 0;
  for (const Placement& p : placed) pages = std::max(pages, p.page + 1);
  out.lightmaps.assign(size_t(pages), BspLightmap{});

  for (size_t i = 0; i < quads.size(); ++i) {
    const Quad& q = quads[i];
    const Placement& at = placed[i];
    int w = Texels(q.width), h = Texels(q.height);
    BspLightmap& page = out.lightmaps[size_t(at.page)];
    for (int v = 0; v < h; ++v) {
      for (int u = 0; u < w; ++u) {
        Vec3 p = q.origin + q.s * std::min(u * kLuxel, q.width) + q.t * std::min(v * kLuxel, q.height);
        float light = Light(lamps[size_t(q.area)], p, q.normal);
        uint8_t* texel = page.texels[at.y + v][at.x + u];
        texel[0] = Byte(light * kLampColor.x);
        texel[1] = Byte(light * kLampColor.y);
        texel[2] = Byte(light * kLampColor.z);
      }
    }
    BspFace& f = out.faces[i];
    f.lightmap = at.page;
    f.lightmapStart[0] = at.x;
    f.lightmapStart[1] = at.y;
    f.lightmapSize[0] = w;
    f.lightmapSize[1] = h;
    Vec3 sStep = q.s * kLuxel, tStep = q.t * kLuxel;
    float origin[3] = {q.origin.x, q.origin.y, q.origin.z};
    std::copy(origin, origin + 3, f.lightmapOrigin);
    float vectors[2][3] = {{sStep.x, sStep.y, sStep.z}, {tStep.x, tStep.y, tStep.z}};
    std::copy(&vectors[0][0], &vectors[0][0] + 6, &f.lightmapVectors[0][0]);
    for (int k = 0; k < 4; ++k) {
      BspVertex& vertex = out.vertices[size_t(f.firstVertex + k)];
      Vec3 local = Vec3{vertex.position[0], vertex.position[1], vertex.position[2]} - q.origin;
      vertex.lightmapCoord[0] = (at.x + 0.5f + Dot(local, q.s) / kLuxel) / kLightmapSize;
      vertex.lightmapCoord[1] = (at.y + 0.5f + Dot(local, q.t) / kLuxel) / kLightmapSize;
    }
  }
}

void BakeLightGrid(const MapPlan& plan, BspFileContents& out) {
  const BspModel& world = out.models.at(0);
  int lo[3], count[3];
  const float cell[3] = {64.0f, 64.0f, 128.0f};
  for (int k = 0; k < 3; ++k) {
    lo[k] = int(std::ceil(world.mins[k] / cell[k]));
    count[k] = int(std::floor(world.maxs[k] / cell[k])) - lo[k] + 1;
  }
  for (int z = 0; z < count[2]; ++z) {
    for (int y = 0; y < count[1]; ++y) {
      for (int x = 0; x < count[0]; ++x) {
        Vec3 p = {(lo[0] + x) * cell[0], (lo[1] + y) * cell[1], (lo[2] + z) * cell[2]};
        BspLightVolume sample{};
        for (const Area& a : plan.areas) {
          if (!AreaContains(plan, a, p)) continue;
          const float ambient = 0.45f * 255.0f, directed = 0.7f * 255.0f;
          const float color[3] = {kLampColor.x, kLampColor.y, kLampColor.z};
          for (int c = 0; c < 3; ++c) {
            sample.ambient[c] = uint8_t(ambient * color[c]);
            sample.directional[c] = uint8_t(directed * color[c]);
          }
          // Degrees: light falling from above and slightly to one side.
          sample.direction[0] = 45;
          sample.direction[1] = 30;
          break;
        }
        out.lightVolumes.push_back(sample);
      }
    }
  }
}
