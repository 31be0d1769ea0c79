#pragma once
#include <cstdint>

class AIMapData;
struct AIRoute;

// The navigation's debug drawing, all of it: graphs and routes as boxes and lines of the
// graphics' debug drawing, which draws them with the frame. Without graphics nothing is drawn.

// Every node that is not deleted as a box, and every link between two such nodes (an excluded
// node draws none of its own) as a line.
void DrawGraph(const AIMapData& map);
// Lines along the route in its own map, when "AI_Show Paths" is on (routes of maps beyond the
// tenth are not drawn).
void DrawRoute(const AIRoute& route);
// Lines between the route's nodes in that map's graph, alternating the two colours, when
// "AI_Show Paths" is on.
void DrawRouteLines(const AIRoute& route, int32_t mapIndex, uint32_t even, uint32_t odd);
