#pragma once
#include <memory>

namespace platform::physics {
class Actor;
}

// Actors whose scene went away while the game still held them. They wait here, harmless, until
// their owner releases them; whatever is left goes at exit.
namespace platform::physics::bullet {

class BulletActor;

void KeepHusk(std::unique_ptr<BulletActor> actor);
bool IsHusk(const Actor* actor);
void FreeHusk(const Actor* actor);

}  // namespace platform::physics::bullet
