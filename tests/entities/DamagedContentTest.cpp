#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "entities/Item.h"
#include "entities/ItemDropoff.h"
#include "tests/entities/LevelTestSupport.h"

namespace {

using DamagedContentTest = LevelTest;

// An item list naming a model the tree lacks: the exhibit has no picture, and is still there
// to be stolen and delivered for its worth.
TEST_F(DamagedContentTest, AnItemWhoseModelIsMissingIsStillStolenAndDelivered) {
  std::ifstream in(std::string(VR_DATA_DIR) + "/Data/MuseumItems.xml");
  const std::string shipped((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::filesystem::create_directories("Data");
  std::ofstream("Data/MuseumItems.xml")
      << std::regex_replace(shipped, std::regex("<string name=\"ModelName\">[^<]*</string>"),
                            "<string name=\"ModelName\">nosuchmodel</string>");
  StartGame();
  std::vector<Item*> items = All<Item>();
  ASSERT_EQ(items.size(), 14u);
  ItemRecord* record = items[0]->record;
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->modelName, "nosuchmodel");
  items[0]->OnTouch(Thief());
  Frame();
  EXPECT_EQ(Thief()->info.carriedItem, record);
  Thief()->physical.SetPosition(All<ItemDropoff>()[0]->physical.GetPosition());
  Frame();
  EXPECT_EQ(Thief()->info.deliveredItems, std::vector<ItemRecord*>{record});
}

}  // namespace
