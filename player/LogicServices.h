#pragma once
#include <cstdint>
#include <string>

class Entity;
class EntityList;
struct ItemRecord;

// What the thieves, their gadgets and the level entities ask of the game logic, which sits
// above them all (the AI asks its world instead). The game logic implements it and hands it to
// the game's objects with GameServices; the program also makes it the one Get returns, for the
// tools and tests that reach the running game from outside.
class LogicServices {
 public:
  // The game logic of this process, or null before the program set one.
  static LogicServices* Get();
  static void Set(LogicServices* services);

  // A game logic that goes away stops being the one Get returns.
  virtual ~LogicServices();

  // The running game: from a successful game start until the game is cleared.
  virtual bool IsInGame() const = 0;
  // Set by a bust until the bust screen is over, and at time-up: thieves stand still and fire
  // nothing, and the user's thief is not busted again.
  virtual bool IsRoundOver() const = 0;
  // While a map's camera fly-through plays, the round clock stands and the user's thief does
  // not look about.
  virtual bool IsFlyThroughRunning() const = 0;
  // 1 .. 3, chosen on the options screen.
  virtual int32_t GetDifficulty() const = 0;
  // Chosen on the outfit screen: 0 male, 1 female.
  virtual int32_t GetGender() const = 0;

  // The thief the user controls, looked up afresh; null outside a game.
  virtual Entity* GetPlayerEntity() const = 0;

  // The index of the current loaded map, -1 while none is current.
  virtual int32_t GetCurrentMapIndex() const = 0;
  // Makes a loaded map current for the sound, the graphics and the physics. Returns false,
  // changing nothing, for an index of no loaded map.
  virtual bool SetCurrentMap(int32_t index) = 0;

  // The running game's entities by class name (the class's kClassName: "Player", "ItemSpawn",
  // "PlayerStart", "ItemDropoff", "Guard", "Teleporter", "Item", "SmokeGrenade", "TripLaser",
  // "Battery"). An entity registers in its set-up and unregisters when it is destroyed; the
  // list is made by the first registration of a game and dropped when the game is cleared, so
  // unregistering after that does nothing.
  virtual void RegisterEntity(const std::string& className, const Entity& entity) = 0;
  virtual void UnregisterEntity(const std::string& className, const Entity& entity) = 0;
  // Null when no entity of that class registered in this game.
  virtual const EntityList* GetEntities(const std::string& className) const = 0;

  // Refills the thief's gadget stock (battery 100, one box, two smoke grenades) and stands it on
  // the next player start in turn; for the user's thief that start's map becomes current.
  virtual void MovePlayerToStart(Entity& player) = 0;
  // A "GadgetEnt" loaded from "Data/gadgets/" + name + ".xml"; null when it cannot be made.
  virtual Entity* CreateGadgetEnt(const std::string& name) = 0;
  // The user's thief travelled through this teleporter: the next fly-through of a map flies the
  // camera path named after it (its "targetname"), when that path has points.
  virtual void SetLastTeleporter(const Entity& teleporter, const std::string& cameraPath) = 0;
  // Plays the current map's camera fly-through, once per map per run.
  virtual void StartMapFlyThrough() = 0;

  // The user's thief was caught: the bust screen shows, and the thief is sent "DoBust" when it
  // ends.
  virtual void ReportBusted() = 0;
  // The user's thief took an item (the HUD hints where to score it) or delivered one.
  virtual void ReportItemTaken() = 0;
  virtual void ReportItemDelivered() = 0;
  // The entity's body is unfrozen `delay` seconds from now, if the entity still exists then.
  virtual void UnfreezeLater(const Entity& entity, float delay) = 0;
  // Puts the item of the record back at its spawn point (a busted thief loses what it carried).
  virtual void RespawnItem(ItemRecord& record) = 0;
};
