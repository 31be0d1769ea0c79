#include "platform/physics/bullet/RayTree.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace platform::physics::bullet {
namespace {

constexpr int kBins = 16;
constexpr uint32_t kLeafSize = 4;     // a leaf as small as this is always worth keeping
constexpr uint32_t kMaxLeafSize = 8;  // above this a range is always split
// Area-weighted splits can be lopsided; past this depth ranges are halved instead, which
// bounds the depth (and the walk's stack) for any mesh.
constexpr int kWeightedDepth = 40;
// Each level of the walk leaves at most three children pending.
constexpr int kStackSize = 3 * (kWeightedDepth + 40);
// Barycentric slack, so rays through the shared edge of two triangles cannot slip between them.
constexpr float kEdgeSlack = 1e-5f;

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Four floats worked on at once (a point in three, or one per child of a node), in the
// compiler's portable vectors.
using Lanes = float __attribute__((vector_size(16)));
Lanes Splat(float v) { return Lanes{v, v, v, v}; }
Lanes Min(Lanes a, Lanes b) { return a < b ? a : b; }
Lanes Max(Lanes a, Lanes b) { return a > b ? a : b; }
Lanes Load(const float (&v)[4]) {
  Lanes lanes;
  std::memcpy(&lanes, v, sizeof lanes);
  return lanes;
}

Lanes ToLanes(const Vec3& v) { return Lanes{v.x, v.y, v.z, 0}; }

struct Box {
  Lanes lo = Splat(FLT_MAX);
  Lanes hi = Splat(-FLT_MAX);
  void Add(Lanes p) { lo = Min(lo, p), hi = Max(hi, p); }
  void Add(const Box& b) { lo = Min(lo, b.lo), hi = Max(hi, b.hi); }
  float HalfArea() const {
    if (lo[0] > hi[0]) return 0;
    const Lanes e = hi - lo;
    return e[0] * e[1] + e[1] * e[2] + e[2] * e[0];
  }
};

// A node of the binary tree the builder makes before folding it four-wide. An inner node's
// first child follows it and `offset` is its second; a leaf (count > 0) holds the ordered
// triangles [offset, offset + count).
struct BinaryNode {
  Box box;
  uint32_t offset = 0;
  uint32_t count = 0;
};

// 1/d with zero components made tiny, so slab distances stay free of 0 x infinity.
float SafeInverse(float d) { return 1.0f / (std::fabs(d) > 1e-30f ? d : std::copysign(1e-30f, d)); }

}  // namespace

// Builds over the triangles' boxes and centres, which it reorders in place as it cuts.
struct RayTree::Builder {
  std::vector<BinaryNode> binary;
  struct Item {
    Box box;
    Lanes centre;
    uint32_t triangle;
  };
  std::vector<Item> items;

  // A run of items and the bounds of their boxes and of their centres.
  struct Range {
    uint32_t first = 0, count = 0;
    Box bounds, centres;
  };

  Range Measure(uint32_t first, uint32_t count) const {
    Range range{first, count, {}, {}};
    for (uint32_t i = first; i < first + count; ++i) range.bounds.Add(items[i].box), range.centres.Add(items[i].centre);
    return range;
  }

  // Builds the subtree over the range and returns its node.
  uint32_t Make(const Range& range, int depth) {
    const uint32_t index = static_cast<uint32_t>(binary.size());
    binary.emplace_back();
    binary[index].box = range.bounds;
    Range below, above;
    if (range.count <= kLeafSize || !Split(range, depth, below, above)) {
      binary[index].offset = range.first;
      binary[index].count = range.count;
      return index;
    }
    Make(below, depth + 1);
    const uint32_t second = Make(above, depth + 1);
    binary[index].offset = second;
    return index;
  }

  // Folds the binary subtree at `index` into four-wide nodes: the inner child with the largest
  // surface gives way to its two children until the node has four. Returns the wide node.
  uint32_t Fold(std::vector<WideNode>& wide, uint32_t index) const {
    std::array<uint32_t, 4> kids{index};
    int n = 1;
    for (;;) {
      int pick = -1;
      for (int i = 0; i < n; ++i) {
        if (binary[kids[i]].count == 0 && (pick < 0 || binary[kids[i]].box.HalfArea() > binary[kids[pick]].box.HalfArea()))
          pick = i;
      }
      if (pick < 0 || n == 4) break;
      const uint32_t parent = kids[pick];
      kids[pick] = parent + 1;
      kids[n++] = binary[parent].offset;
    }
    const uint32_t at = static_cast<uint32_t>(wide.size());
    wide.emplace_back();
    wide[at].children = static_cast<uint32_t>(n);
    for (int i = 0; i < n; ++i) {
      const BinaryNode& kid = binary[kids[i]];
      for (int axis = 0; axis < 3; ++axis) {
        wide[at].lo[axis][i] = kid.box.lo[axis];
        wide[at].hi[axis][i] = kid.box.hi[axis];
      }
      const uint32_t offset = kid.count ? kid.offset : Fold(wide, kids[i]);
      wide[at].offset[i] = offset;
      wide[at].count[i] = kid.count;
    }
    return at;
  }

  // Cuts the range in two by the surface-area cost of 16 cuts along its longest axis, or in
  // halves where that cannot work; false keeps the range a leaf.
  bool Split(const Range& range, int depth, Range& below, Range& above) {
    const uint32_t first = range.first, count = range.count;
    const Lanes extent = range.centres.hi - range.centres.lo;
    const int axis = extent[0] >= extent[1] && extent[0] >= extent[2] ? 0 : extent[1] >= extent[2] ? 1 : 2;
    const float lo = range.centres.lo[axis], size = extent[axis];
    if (!(size > 0) || depth >= kWeightedDepth) {
      if (!(size > 0) && count <= kMaxLeafSize) return false;
      const auto begin = items.begin() + first, mid = begin + count / 2;
      std::nth_element(begin, mid, begin + count,
                       [&](const Item& a, const Item& b) { return a.centre[axis] < b.centre[axis]; });
      below = Measure(first, count / 2);
      above = Measure(first + count / 2, count - count / 2);
      return true;
    }
    const float scale = kBins / size;
    const auto binOf = [&](const Item& item) {
      return std::min(kBins - 1, static_cast<int>((item.centre[axis] - lo) * scale));
    };
    std::array<Range, kBins> bins;
    for (uint32_t i = first; i < first + count; ++i) {
      Range& bin = bins[binOf(items[i])];
      bin.bounds.Add(items[i].box);
      bin.centres.Add(items[i].centre);
      ++bin.count;
    }
    // Cost of cutting below bin b: the area of each side times the triangles on it.
    std::array<float, kBins> belowCost{};
    Range side;
    for (int b = 0; b < kBins - 1; ++b) {
      side.bounds.Add(bins[b].bounds);
      side.count += bins[b].count;
      belowCost[b] = side.bounds.HalfArea() * static_cast<float>(side.count);
    }
    side = Range{};
    float bestCost = FLT_MAX;
    int bestBin = -1;
    for (int b = kBins - 1; b > 0; --b) {
      side.bounds.Add(bins[b].bounds);
      side.count += bins[b].count;
      const float cost = belowCost[b - 1] + side.bounds.HalfArea() * static_cast<float>(side.count);
      if (side.count < count && cost < bestCost) bestCost = cost, bestBin = b;
    }
    const bool worthIt = bestCost < range.bounds.HalfArea() * static_cast<float>(count);
    if (bestBin < 0 || (!worthIt && count <= kMaxLeafSize)) return false;
    const auto begin = items.begin() + first;
    std::partition(begin, begin + count, [&](const Item& item) { return binOf(item) < bestBin; });
    below = above = Range{};
    for (int b = 0; b < kBins; ++b) {
      Range& part = b < bestBin ? below : above;
      part.bounds.Add(bins[b].bounds);
      part.centres.Add(bins[b].centres);
      part.count += bins[b].count;
    }
    below.first = first;
    above.first = first + below.count;
    return true;
  }
};

void RayTree::Build(const std::vector<Vec3>& vertices, const std::vector<uint32_t>& indices) {
  nodes_.clear();
  triangles_.clear();
  const uint32_t count = static_cast<uint32_t>(indices.size() / 3);
  if (count == 0) return;
  Builder builder;
  std::vector<Triangle> byIndex;
  byIndex.reserve(count);
  builder.items.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const Vec3& a = vertices[indices[3 * i]];
    const Vec3& b = vertices[indices[3 * i + 1]];
    const Vec3& c = vertices[indices[3 * i + 2]];
    byIndex.push_back({a, b - a, c - a, i});
    Box box;
    box.Add(ToLanes(a)), box.Add(ToLanes(b)), box.Add(ToLanes(c));
    builder.items.push_back({box, ToLanes((a + b + c) * (1.0f / 3.0f)), i});
  }
  builder.binary.reserve(2 * count / kLeafSize + 1);
  builder.Make(builder.Measure(0, count), 0);
  builder.Fold(nodes_, 0);
  triangles_.reserve(count);
  for (const Builder::Item& item : builder.items) triangles_.push_back(byIndex[item.triangle]);
}

bool RayTree::Closest(const Vec3& from, const Vec3& dir, float maxDistance, Hit& hit) const {
  if (nodes_.empty()) return false;
  const Lanes fromLanes[3] = {Splat(from.x), Splat(from.y), Splat(from.z)};
  const Lanes inverse[3] = {Splat(SafeInverse(dir.x)), Splat(SafeInverse(dir.y)), Splat(SafeInverse(dir.z))};
  float best = maxDistance;
  const Triangle* found = nullptr;
  // A child still to visit: a wide node (count 0) or a leaf's triangles.
  struct Pending {
    uint32_t offset, count;
    float entry;
  };
  std::array<Pending, kStackSize> stack;
  int depth = 0;
  Pending current{0, 0, 0};
  for (;;) {
    if (current.count == 0) {
      const WideNode& node = nodes_[current.offset];
      Lanes enter = Splat(0), exit = Splat(best);
      for (int axis = 0; axis < 3; ++axis) {
        const Lanes a = (Load(node.lo[axis]) - fromLanes[axis]) * inverse[axis];
        const Lanes b = (Load(node.hi[axis]) - fromLanes[axis]) * inverse[axis];
        enter = Max(enter, Min(a, b));
        exit = Min(exit, Max(a, b));
      }
      // The children the ray reaches, farthest first onto the stack, the nearest visited next.
      Pending reached[4];
      int n = 0;
      for (uint32_t i = 0; i < node.children; ++i) {
        if (!(enter[i] <= exit[i])) continue;
        int at = n++;
        for (; at > 0 && reached[at - 1].entry < enter[i]; --at) reached[at] = reached[at - 1];
        reached[at] = {node.offset[i], node.count[i], enter[i]};
      }
      if (n > 0) {
        for (int i = 0; i < n - 1; ++i) stack[depth++] = reached[i];
        current = reached[n - 1];
        continue;
      }
    } else {
      for (const Triangle* t = &triangles_[current.offset], *end = t + current.count; t != end; ++t) {
        const Vec3 p = Cross(dir, t->edge2);
        const float det = t->edge1.Dot(p);
        if (!(std::fabs(det) > 0)) continue;
        const float inv = 1.0f / det;
        const Vec3 s = from - t->corner;
        const float u = s.Dot(p) * inv;
        if (u < -kEdgeSlack || u > 1 + kEdgeSlack) continue;
        const Vec3 q = Cross(s, t->edge1);
        const float v = dir.Dot(q) * inv;
        if (v < -kEdgeSlack || u + v > 1 + kEdgeSlack) continue;
        const float distance = t->edge2.Dot(q) * inv;
        if (distance > 0 && distance < best) best = distance, found = t;
      }
    }
    // Next pending child the shortened ray still reaches.
    while (depth > 0 && stack[depth - 1].entry > best) --depth;
    if (depth == 0) break;
    current = stack[--depth];
  }
  if (!found) return false;
  Vec3 normal = Cross(found->edge1, found->edge2);
  normal = normal * (1.0f / normal.Length());
  hit.distance = best;
  hit.triangle = found->index;
  hit.normal = normal.Dot(dir) > 0 ? -normal : normal;
  return true;
}

}  // namespace platform::physics::bullet
