#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "physics/Physics.h"
#include "tests/logic/GameTestSupport.h"

// A game in the demo museum with the real level entities and the shipped item list on a real
// physics world; the thief and guards are the game logic tests' stand-ins.
class LevelTest : public GameTest {
 protected:
  void StartGame() {
    // A test may have written its own item list first.
    std::filesystem::copy_file(std::string(VR_DATA_DIR) + "/Data/MuseumItems.xml", "Data/MuseumItems.xml",
                               std::filesystem::copy_options::skip_existing);
    StartLogic([] { return new Physics(); });
    RegisterEntityClass<TestThief>("LogicLog");
    RegisterEntityClass<TestGuard>("LogicLog");
    GetLogic()->StartGame();
    ASSERT_TRUE(GetLogic()->IsInGame());
    ASSERT_NE(Thief(), nullptr);
    Thief()->info.kind = "thief";
  }

  // The game's entities of the class, in registration order.
  template <class T>
  static std::vector<T*> All() {
    std::vector<T*> all;
    if (const EntityList* list = GetLogic()->GetEntities(T::kClassName))
      for (Entity& e : *list) all.push_back(static_cast<T*>(&e));
    return all;
  }
};
