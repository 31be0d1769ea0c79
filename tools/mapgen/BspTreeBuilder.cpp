#include "tools/mapgen/BspTreeBuilder.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <stdexcept>

namespace {

class TreeBuilder {
 public:
  TreeBuilder(const MapPlan& plan, const std::vector<int>& firstFace, BspFileContents& out)
      : plan_(plan), firstFace_(firstFace), out_(out) {}

  void Build() {
    std::vector<int> all(plan_.areas.size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = int(i);
    Split(all);
  }

 private:
  struct Box {
    int mins[3], maxs[3];
  };

  Box AreaBox(int i) const {
    const Area& a = plan_.areas[i];
    return {{a.minX + plan_.offsetX, a.minY, 0}, {a.maxX + plan_.offsetX, a.maxY, kCeilingHeight}};
  }

  Box Bounds(const std::vector<int>& areas) const {
    Box b = AreaBox(areas[0]);
    for (int i : areas) {
      Box a = AreaBox(i);
      for (int k = 0; k < 3; ++k) {
        b.mins[k] = std::min(b.mins[k], a.mins[k]);
        b.maxs[k] = std::max(b.maxs[k], a.maxs[k]);
      }
    }
    return b;
  }

  int Plane(float nx, float ny, float nz, float d) {
    for (size_t i = 0; i < out_.planes.size(); ++i) {
      const BspPlane& p = out_.planes[i];
      if (p.normal[0] == nx && p.normal[1] == ny && p.normal[2] == nz && p.distance == d)
        return int(i);
    }
    out_.planes.push_back({{nx, ny, nz}, d});
    return int(out_.planes.size() - 1);
  }

  int NewNode(int plane, const Box& box) {
    BspFileNode n{plane, {0, 0}, {box.mins[0], box.mins[1], box.mins[2]},
                  {box.maxs[0], box.maxs[1], box.maxs[2]}};
    out_.nodes.push_back(n);
    return int(out_.nodes.size() - 1);
  }

  int Leaf(int cluster, const Box& box, int firstFace, int faceCount) {
    BspFileLeaf l{cluster, cluster < 0 ? -1 : 0, {box.mins[0], box.mins[1], box.mins[2]},
                  {box.maxs[0], box.maxs[1], box.maxs[2]}, int32_t(out_.leafFaces.size()),
                  faceCount, 0, 0};
    for (int f = 0; f < faceCount; ++f) out_.leafFaces.push_back(firstFace + f);
    out_.leaves.push_back(l);
    return -int(out_.leaves.size());  // child value of leaf (size - 1)
  }

  // Returns the child value (node index, or -(leaf + 1)) of the subtree holding `areas`.
  int Split(const std::vector<int>& areas) {
    if (areas.size() == 1) return Carve(areas[0], 0);
    int bestAxis = -1, bestAt = 0;
    size_t bestBalance = areas.size();
    for (int axis = 0; axis < 2; ++axis) {
      for (int i : areas) {
        Box box = AreaBox(i);
        for (int at : {box.mins[axis], box.maxs[axis]}) {
          size_t front = 0, back = 0;
          bool clean = true;
          for (int j : areas) {
            Box b = AreaBox(j);
            if (b.mins[axis] >= at) ++front;
            else if (b.maxs[axis] <= at) ++back;
            else clean = false;
          }
          size_t balance = front > back ? front - back : back - front;
          if (clean && front && back && balance < bestBalance) {
            bestAxis = axis, bestAt = at, bestBalance = balance;
          }
        }
      }
    }
    if (bestAxis < 0) throw std::runtime_error(plan_.fileName + ": areas cannot be split apart");
    int node = NewNode(Plane(bestAxis == 0, bestAxis == 1, 0, float(bestAt)), Bounds(areas));
    std::vector<int> front, back;
    for (int j : areas) (AreaBox(j).mins[bestAxis] >= bestAt ? front : back).push_back(j);
    int frontChild = Split(front);
    int backChild = Split(back);
    out_.nodes[node].children[0] = frontChild;
    out_.nodes[node].children[1] = backChild;
    return node;
  }

  // Cuts the area's box out with its six sides, one node each; behind every side is solid.
  int Carve(int area, int side) {
    Box box = AreaBox(area);
    if (side == 6)
      return Leaf(area, box, firstFace_[area], firstFace_[area + 1] - firstFace_[area]);
    int axis = side / 2;
    bool max = side % 2;
    float n[3] = {0, 0, 0};
    n[axis] = max ? -1.0f : 1.0f;
    float d = max ? -float(box.maxs[axis]) : float(box.mins[axis]);
    int node = NewNode(Plane(n[0], n[1], n[2], d), box);
    int inside = Carve(area, side + 1);
    Box none{{0, 0, 0}, {0, 0, 0}};
    int solid = Leaf(-1, none, 0, 0);
    out_.nodes[node].children[0] = inside;
    out_.nodes[node].children[1] = solid;
    return node;
  }

  const MapPlan& plan_;
  const std::vector<int>& firstFace_;
  BspFileContents& out_;
};

constexpr int kVisibleDoorways = 3;

}  // namespace

void BuildBspTree(const MapPlan& plan, const std::vector<int>& firstFace, BspFileContents& out) {
  TreeBuilder(plan, firstFace, out).Build();
}

void BuildVisibility(const MapPlan& plan, BspFileContents& out) {
  int n = int(plan.areas.size());
  out.clusterCount = n;
  out.bytesPerCluster = ((n + 63) & ~63) >> 3;
  out.visBits.assign(size_t(n) * out.bytesPerCluster, 0);
  for (int from = 0; from < n; ++from) {
    std::vector<int> hops(n, -1);
    std::deque<int> queue{from};
    hops[from] = 0;
    while (!queue.empty()) {
      int a = queue.front();
      queue.pop_front();
      out.visBits[size_t(from) * out.bytesPerCluster + (a >> 3)] |= uint8_t(1 << (a & 7));
      if (hops[a] == kVisibleDoorways) continue;
      for (const Door& d : plan.doors) {
        int next = d.areaA == a ? d.areaB : d.areaB == a ? d.areaA : -1;
        if (next >= 0 && hops[next] < 0) {
          hops[next] = hops[a] + 1;
          queue.push_back(next);
        }
      }
    }
  }
}
