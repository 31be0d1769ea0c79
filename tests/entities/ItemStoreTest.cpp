#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "entities/ItemStore.h"
#include "tests/support/EngineFixture.h"
#include "tools/mapgen/MuseumLayout.h"

namespace {

class ItemStoreTest : public EngineFixture {
 protected:
  ItemStoreTest() {
    Start();
    std::filesystem::create_directory("Data");
  }

  static void WriteItems(const std::string& records) {
    std::ofstream("Data/MuseumItems.xml") << "<?xml version=\"1.0\"?>\n<var><list name=\"loadedItems\">" << records
                                          << "</list></var>";
  }
  static std::string Record(const std::string& model, const std::string& area, const std::string& worth) {
    return "<var><string name=\"ModelName\">" + model + "</string><string name=\"SpriteName\">s</string>" +
           "<string name=\"AreaName\">" + area + "</string><int name=\"Worth\">" + worth + "</int></var>";
  }

  ItemStore store;
};

TEST_F(ItemStoreTest, RecordsAreHandedOutByAreaInFileOrderOnceEachUntilTheNextLoad) {
  WriteItems(Record("vase", "Egypt", "10") + Record("gem", "Vault", "99") + Record("idol", "Egypt", "20") +
             Record("bust", "Egypt", "30"));
  store.Load(ItemStore::kPath);
  ASSERT_EQ(store.GetLoadedItems().size(), 4u);

  ItemRecord* first = store.FindFreeItemRecord("Egypt");
  ItemRecord* second = store.FindFreeItemRecord("Egypt");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first->modelName, "vase");
  EXPECT_EQ(second->modelName, "idol");
  EXPECT_EQ(second->worth, 20);
  EXPECT_EQ(store.FindFreeItemRecord("egypt"), nullptr) << "area names are compared exactly";
  EXPECT_EQ(store.FindFreeItemRecord("Nowhere"), nullptr);
  EXPECT_EQ(store.FindFreeItemRecord("Egypt")->modelName, "bust");
  EXPECT_EQ(store.FindFreeItemRecord("Egypt"), nullptr);
  EXPECT_FALSE(store.GetLoadedItems()[0].inUse) << "the file's own records are never handed out";

  store.Load(ItemStore::kPath);
  EXPECT_EQ(store.FindFreeItemRecord("Egypt")->modelName, "vase");
}

TEST_F(ItemStoreTest, DamagedNumbersAndRecordsKeepWhatWasReadAndTheRoundGoesOn) {
  WriteItems(Record("a", "X", "12abc") + Record("b", "X", "-5") +
             "<var><string>c</string><string>s</string><string>X</string><int/></var>" +
             "<var><string>d</string><string>s</str");
  store.Load(ItemStore::kPath);
  const std::vector<ItemRecord>& items = store.GetLoadedItems();
  ASSERT_GE(items.size(), 3u);
  EXPECT_EQ(items[0].worth, 12);
  EXPECT_EQ(items[1].worth, 0) << "a worth below 0 keeps the record's own";
  EXPECT_EQ(items[2].modelName, "c");
  EXPECT_EQ(items[2].worth, 0);
  EXPECT_NE(LogOf("LogicLog").find("Failed to load config. "), std::string::npos);
  EXPECT_EQ(store.FindFreeItemRecord("X")->modelName, "a");
}

// "seven" used to read as 0 without a word. A number with text after it reads as its leading
// number, as the record's number reading goes, and is said too.
TEST_F(ItemStoreTest, AWorthThatIsNotWhollyANumberIsSaidNamingTheFileAndTheField) {
  WriteItems(Record("a", "X", "seven") + Record("b", "X", "12abc"));
  store.Load(ItemStore::kPath);
  ASSERT_EQ(store.GetLoadedItems().size(), 2u);
  EXPECT_EQ(store.GetLoadedItems()[0].worth, 0);
  EXPECT_EQ(store.GetLoadedItems()[1].worth, 12);
  const std::string log = LogOf("LogicLog");
  EXPECT_NE(log.find("Data/MuseumItems.xml: loadedItems[0].Worth \"seven\" is not a number: kept 0"), std::string::npos)
      << log;
  EXPECT_NE(log.find("Data/MuseumItems.xml: loadedItems[1].Worth \"12abc\" is not wholly a number: read as 12"),
            std::string::npos);
}

// A worth of -1 used to be taken without a word: delivering the item took score away.
TEST_F(ItemStoreTest, AWorthBelowZeroIsSaidAndTheItemIsWorthNothing) {
  WriteItems(Record("a", "X", "-1") + Record("b", "X", "0"));
  store.Load(ItemStore::kPath);
  ASSERT_EQ(store.GetLoadedItems().size(), 2u);
  EXPECT_EQ(store.GetLoadedItems()[0].worth, 0);
  EXPECT_EQ(store.GetLoadedItems()[1].worth, 0);
  EXPECT_EQ(LogOf("LogicLog"), "Data/MuseumItems.xml: loadedItems[0].Worth -1 is below 0: kept 0\n");
  EXPECT_EQ(store.FindFreeItemRecord("X")->worth, 0);
}

// A museum without exhibits is said on every start, whether the list or the whole file was
// emptied.
TEST_F(ItemStoreTest, AnEmptiedListIsSaidOnEveryLoad) {
  const std::string none = "Data/MuseumItems.xml: the list loadedItems is empty: the museum shows no exhibits in this game\n";
  WriteItems("");
  store.Load(ItemStore::kPath);
  store.Load(ItemStore::kPath);
  EXPECT_EQ(LogOf("LogicLog"), none + none);
  std::ofstream("Data/MuseumItems.xml") << "<?xml version=\"1.0\"?>\n<var/>";
  store.Load(ItemStore::kPath);
  EXPECT_EQ(LogOf("LogicLog"),
            none + none + "Data/MuseumItems.xml: none of its values is there: each keeps the one it had\n" + none);
  EXPECT_TRUE(store.GetLoadedItems().empty());
}

TEST_F(ItemStoreTest, AMissingListIsReportedOnEveryLoadAndNotReplaced) {
  WriteItems(Record("vase", "Egypt", "10"));
  store.Load(ItemStore::kPath);
  std::filesystem::remove(ItemStore::kPath);
  store.Load(ItemStore::kPath);
  store.Load(ItemStore::kPath);
  EXPECT_TRUE(store.GetLoadedItems().empty());
  EXPECT_EQ(store.FindFreeItemRecord("Egypt"), nullptr);
  EXPECT_FALSE(std::filesystem::exists(ItemStore::kPath));
  const std::string log = LogOf("LogicLog");
  const size_t first = log.find("MuseumItems.xml");
  ASSERT_NE(first, std::string::npos) << log;
  EXPECT_NE(log.find("MuseumItems.xml", first + 1), std::string::npos) << log;
}

TEST_F(ItemStoreTest, SavedListReadsBackTheSame) {
  WriteItems(Record("vase", "Egypt", "10") + Record("gem", "Vault", "35"));
  store.Load(ItemStore::kPath);
  store.Save("Data/Copy.xml");
  ItemStore copy;
  copy.Load("Data/Copy.xml");
  ASSERT_EQ(copy.GetLoadedItems().size(), 2u);
  EXPECT_EQ(copy.GetLoadedItems()[1].modelName, "gem");
  EXPECT_EQ(copy.GetLoadedItems()[1].areaName, "Vault");
  EXPECT_EQ(copy.GetLoadedItems()[1].worth, 35);
  EXPECT_NE(TempDir::Read("Data/Copy.xml").find("<list name=\"loadedItems\">"), std::string::npos);
}

// The shipped list fills every spawn of the demo museum, and each record names a model the
// model generator makes.
TEST_F(ItemStoreTest, TheMuseumsListHasARecordForEverySpawn) {
  const std::set<std::string> kGeneratedModels{"vase", "idol", "painting", "crown", "bust", "gem"};
  store.Load(std::string(VR_DATA_DIR) + "/Data/MuseumItems.xml");
  int spawns = 0;
  for (const MapPlan& plan : MuseumPlans()) {
    for (const PlacedEntity& e : plan.entities) {
      if (e.classname != "ItemSpawn") continue;
      ++spawns;
      for (const auto& [key, value] : e.keys) {
        if (key != "areaName") continue;
        ItemRecord* record = store.FindFreeItemRecord(value);
        ASSERT_NE(record, nullptr) << plan.fileName << " " << value;
        EXPECT_EQ(kGeneratedModels.count(record->modelName), 1u) << record->modelName;
      }
    }
  }
  EXPECT_EQ(spawns, 14);
  EXPECT_EQ(static_cast<int>(store.GetLoadedItems().size()), spawns);
}

}  // namespace
