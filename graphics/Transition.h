#pragma once

// The "transitionTime" of the teleport transition `elapsed` seconds into `total`: it rises
// from 0 to 1 and falls back to 0, held at exactly 1 through the middle fifth so that the
// loading picture stands still while the thief changes maps. A transition without length
// has nothing to show: 0.
float TransitionTime(float elapsed, float total);
