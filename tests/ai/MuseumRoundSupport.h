#pragma once
#include <map>
#include <string>
#include <vector>

#include "ai/AIComponent.h"
#include "entities/Guard.h"
#include "graphics/GraphicsLists.h"
#include "player/Player.h"
#include "tests/ai/NavTestSupport.h"

// A round of the demo museum with the game's own thieves and guards, the settings and action sets
// the demo tree ships, the real game logic, physics (Bullet) and AI, in frames of a fixed length.
// Only the drawing and the sound are left out; the bodies get the sizes their models would give
// them. The round's events are written down as they happen.
class MuseumRoundTest : public GameSystemsTest {
 protected:
  static constexpr double kFrame = 1.0 / 30.0;

  // What one computer thief or guard did over the round.
  struct AgentTrack {
    platform::Vector3 last;
    // Horizontal ground covered by walking (jumps home, to a start or through a teleporter left
    // out).
    float walked = 0;
    // Where and since when the agent has stood while its action wanted it to move.
    platform::Vector3 stoodAt;
    double stoodSince = 0;
    double longestStand = 0;
    platform::Vector3 longestStandAt;
    int32_t map = 0;
    size_t delivered = 0;
    bool carrying = false;
  };
  // A computer thief's deed: "take", "deliver" or "cross" (into another map).
  struct Deed {
    double time;
    uint32_t thief;
    std::string what;
    int32_t map;
    platform::Vector3 at;
  };

  MuseumRoundTest();

  // The game started, its fly-through over. A second call plays a fresh run: the engine and the
  // learned routes of the first are gone.
  void StartRound();
  // Runs the round for that much game time, following every agent.
  void Play(double seconds);
  // Runs the round until `done` holds or `seconds` have passed; whether it held.
  template <class Done>
  bool PlayUntil(double seconds, Done done) {
    for (const double end = now_ + seconds; now_ < end - 1e-9;) {
      if (done()) return true;
      Play(kFrame);
    }
    return done();
  }
  double Now() const { return now_; }

  Player* User() const { return dynamic_cast<Player*>(GetLogic()->GetPlayerEntity()); }
  std::vector<Player*> ComputerThieves() const;
  std::vector<Guard*> Guards() const;
  // Times at which the user's thief was caught.
  const std::vector<double>& UserBusts() const { return busts_; }
  const std::vector<Deed>& Deeds() const { return deeds_; }
  const AgentTrack& Track(const Entity& agent) { return tracks_[agent.GetId()]; }
  // The entities of a class in a map.
  static std::vector<Entity*> EntitiesIn(const std::string& className, int32_t map);
  static std::string Describe(const AIComponent& agent);

 private:
  void SizeBodies();
  void Follow(AIComponent& agent);
  void FollowDeeds(Player& thief);

  std::vector<MeshInfo> meshes_;
  double now_ = 0;
  bool wasBusted_ = false;
  std::vector<double> busts_;
  std::vector<Deed> deeds_;
  std::map<uint32_t, AgentTrack> tracks_;
};
