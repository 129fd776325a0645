#include "registry/registry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "decode/host_ids.h"
#include "registry/fake_controls.h"
#include "registry/host_type_table.h"

extern "C" int HeaderHostTypeExportsAsSeenFromC(void);

namespace qorda::testing {
namespace {

TEST(HostTypeHeader, DeclaresTheExportsAsC) {
  EXPECT_EQ(HeaderHostTypeExportsAsSeenFromC(), 1);
}

// Every test starts from the masks and the unloaded label of a fresh load.
class HostTypeList : public ::testing::Test {
 protected:
  void SetUp() override { ResetHostTypesForTesting(); }
  void TearDown() override { ResetHostTypesForTesting(); }
};

// Ids given as inclusive ranges: Ids({{6000, 6000}, {6011, 6070}}).
std::vector<intptr_t> Ids(std::initializer_list<std::pair<int, int>> ranges) {
  std::vector<intptr_t> ids;
  for (const auto& [first, last] : ranges) {
    for (int id = first; id <= last; ++id) ids.push_back(id);
  }
  return ids;
}

std::vector<intptr_t> ItemData(const FakeList& list) {
  std::vector<intptr_t> data;
  for (const FakeItem& item : list.items) data.push_back(item.data);
  return data;
}

int32_t Fill(FakeList& list, uint32_t filter, QORDA_ModuleHandle module = nullptr) {
  QORDA_ListControl control = list.Control();
  return QORDA_AddHostTypesToListBox(module, &control, list.isComboBox ? 1 : 0, filter);
}

TEST_F(HostTypeList, FillsWithTheTypesWhoseMaskSharesABit) {
  struct Row {
    uint32_t filter;
    int32_t result;
    std::vector<intptr_t> ids;  // item data in the control's order
  } rows[] = {
      {0x0, 1, Ids({{6000, 6000}})},
      {0x1, 71, Ids({{6000, 6070}})},  // IIS and Apache carry 0x4 only
      {0x2, 1, Ids({{6000, 6000}})},   // only AUTO carries 0x2, and AUTO is not filtered
      {0x4, 4, {6000, 6069, 6071, 6072}},
      {0x5, 73, Ids({{6000, 6072}})},
      {0x8, 1, Ids({{6000, 6000}})},
  };
  for (const Row& row : rows) {
    for (bool isComboBox : {false, true}) {
      FakeList list{.isComboBox = isComboBox};
      EXPECT_EQ(Fill(list, row.filter), row.result) << row.filter << " combo " << isComboBox;
      EXPECT_EQ(ItemData(list), row.ids) << row.filter << " combo " << isComboBox;
      EXPECT_EQ(list.selection, 0) << row.filter;
      for (const FakeItem& item : list.items) {
        EXPECT_EQ(item.text, QORDA_ReturnHostTypeName(nullptr, static_cast<int32_t>(item.data)));
      }
      for (const std::string& line : list.log) {
        EXPECT_NE(line.rfind("unexpected", 0), 0u) << line << " combo " << isComboBox;
      }
    }
  }
}

TEST_F(HostTypeList, SendsAddAndDataPerTypeThenInsertsAndSelectsAuto) {
  struct Row {
    FakeList list;
    int32_t result;
    std::vector<std::string> log;
    std::vector<FakeItem> items;
  } rows[] = {
      {{},
       4,
       {"add Carrox DMZ -> 0", "data 0 6069", "add Microsoft IIS -> 1", "data 1 6071",
        "add Apache -> 2", "data 2 6072", "insert 0 AUTO -> 0", "data 0 6000", "select 0"},
       {{"AUTO", 6000}, {"Carrox DMZ", 6069}, {"Microsoft IIS", 6071}, {"Apache", 6072}}},
      // A sorted control files "Apache" first: the data follows the answered position.
      {{.sorted = true},
       4,
       {"add Carrox DMZ -> 0", "data 0 6069", "add Microsoft IIS -> 1", "data 1 6071",
        "add Apache -> 0", "data 0 6072", "insert 0 AUTO -> 0", "data 0 6000", "select 0"},
       {{"AUTO", 6000}, {"Apache", 6072}, {"Carrox DMZ", 6069}, {"Microsoft IIS", 6071}}},
      // A refused type is neither counted nor given data.
      {{.refused = {"Microsoft IIS"}},
       3,
       {"add Carrox DMZ -> 0", "data 0 6069", "add Microsoft IIS -> -1", "add Apache -> 1",
        "data 1 6072", "insert 0 AUTO -> 0", "data 0 6000", "select 0"},
       {{"AUTO", 6000}, {"Carrox DMZ", 6069}, {"Apache", 6072}}},
      // A refused AUTO ends the fill: no data, no selection.
      {{.refused = {"AUTO"}},
       3,
       {"add Carrox DMZ -> 0", "data 0 6069", "add Microsoft IIS -> 1", "data 1 6071",
        "add Apache -> 2", "data 2 6072", "insert 0 AUTO -> -1"},
       {{"Carrox DMZ", 6069}, {"Microsoft IIS", 6071}, {"Apache", 6072}}},
      {{.refused = {"AUTO", "Carrox DMZ", "Microsoft IIS", "Apache"}},
       0,
       {"add Carrox DMZ -> -1", "add Microsoft IIS -> -1", "add Apache -> -1",
        "insert 0 AUTO -> -1"},
       {}},
  };
  for (Row& row : rows) {
    for (bool isComboBox : {false, true}) {
      FakeList list = row.list;
      list.isComboBox = isComboBox;
      EXPECT_EQ(Fill(list, 0x4), row.result) << row.log.back();
      EXPECT_EQ(list.log, row.log) << "combo " << isComboBox;
      EXPECT_EQ(list.items, row.items) << row.log.back();
    }
  }
}

TEST_F(HostTypeList, FillsWithoutEmptyingOrCheckingDuplicates) {
  FakeList list{.items = {{"kept", 7}}};
  EXPECT_EQ(Fill(list, 0x4), 4);
  EXPECT_EQ(Fill(list, 0x4), 4);
  EXPECT_EQ(ItemData(list),
            (std::vector<intptr_t>{6000, 6000, 7, 6069, 6071, 6072, 6069, 6071, 6072}));
}

TEST_F(HostTypeList, NullControlAnswersZeroToEveryMessage) {
  // Every add answers position 0 rather than -1, so every type counts.
  EXPECT_EQ(QORDA_AddHostTypesToListBox(nullptr, nullptr, 0, 0x4), 4);
  EXPECT_EQ(QORDA_AddHostTypesToListBox(nullptr, nullptr, 1, 0x1), 71);
  EXPECT_EQ(QORDA_DeleteHostTypes(nullptr, nullptr, 0), 0);
  QORDA_ListControl noCallback = {nullptr, nullptr};
  EXPECT_EQ(QORDA_DeleteHostTypes(nullptr, &noCallback, 1), 0);
}

TEST_F(HostTypeList, LoadsString188IntoTheAutoLabel) {
  const std::string forty = "Automatische Erkennung des Servertyps!!!";
  ASSERT_EQ(forty.size(), 40u);
  struct Row {
    std::map<uint32_t, std::string> strings;
    std::string label;
  } rows[] = {
      {{{188, forty}}, forty.substr(0, 31)},
      {{{188, std::string(31, 'L')}}, std::string(31, 'L')},
      {{{188, "Auto"}, {189, "other"}}, "Auto"},
      {{{187, "not this one"}}, "AUTO"},  // missing: the table's name stays
      {{{188, ""}}, "AUTO"},
  };
  for (const Row& row : rows) {
    ResetHostTypesForTesting();
    FakeStrings strings{row.strings};
    QORDA_StringTable table = strings.Table();
    FakeList list;
    EXPECT_EQ(Fill(list, 0x0, &table), 1);
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0], (FakeItem{row.label, 6000}));
    EXPECT_EQ(strings.requests, (std::vector<std::pair<uint32_t, int32_t>>{{188, 32}}));
  }
}

TEST_F(HostTypeList, LoadsTheLabelOnceWhateverLaterModulesHold) {
  struct Row {
    const char* first;  // string 188 of the first module, null when it has none
    bool firstByNameLookup;
    std::string label;
  } rows[] = {
      {"Automatique", false, "Automatique"},
      {"Automatique", true, "Automatique"},  // the name lookup loads it as well
      {nullptr, false, "AUTO"},              // a failed load is not tried again
  };
  for (const Row& row : rows) {
    ResetHostTypesForTesting();
    FakeStrings first;
    if (row.first != nullptr) first.strings[188] = row.first;
    FakeStrings second{{{188, "Automatisch"}}};
    QORDA_StringTable firstTable = first.Table(), secondTable = second.Table();
    FakeList firstList, secondList;
    if (row.firstByNameLookup) {
      EXPECT_STREQ(QORDA_ReturnHostTypeName(&firstTable, 6000), "AUTO");
    } else {
      Fill(firstList, 0x0, &firstTable);
    }
    Fill(secondList, 0x0, &secondTable);
    ASSERT_EQ(secondList.items.size(), 1u);
    EXPECT_EQ(secondList.items[0].text, row.label);
    EXPECT_EQ(first.requests.size(), 1u);
    EXPECT_TRUE(second.requests.empty());
    // Names never take the label.
    EXPECT_STREQ(QORDA_ReturnHostTypeName(&secondTable, 0), "AUTO");
  }
}

TEST_F(HostTypeList, NullModuleLeavesAutoAndUsesUpTheLoad) {
  FakeList list;
  Fill(list, 0x0, nullptr);
  FakeStrings later{{{188, "Automatisch"}}};
  QORDA_StringTable table = later.Table();
  Fill(list, 0x0, &table);
  EXPECT_EQ(list.items, (std::vector<FakeItem>{{"AUTO", 6000}, {"AUTO", 6000}}));
  EXPECT_TRUE(later.requests.empty());
}

TEST_F(HostTypeList, DeletesFromTheTopUntilTheCountIsZero) {
  struct Row {
    std::vector<FakeItem> items;
    std::vector<std::string> log;
  } rows[] = {
      {{}, {"count -> 0"}},
      {{{"one", 1}}, {"count -> 1", "delete 0", "count -> 0"}},
      {{{"someone else's", 0}, {"AUTO", 6000}, {"Apache", 6072}},
       {"count -> 3", "delete 0", "count -> 2", "delete 0", "count -> 1", "delete 0",
        "count -> 0"}},
  };
  for (const Row& row : rows) {
    for (bool isComboBox : {false, true}) {
      FakeList list{.isComboBox = isComboBox, .items = row.items};
      QORDA_ListControl control = list.Control();
      EXPECT_EQ(QORDA_DeleteHostTypes(nullptr, &control, isComboBox ? 1 : 0), 0);
      EXPECT_EQ(list.log, row.log) << "combo " << isComboBox;
      EXPECT_TRUE(list.items.empty());
    }
  }
}

TEST_F(HostTypeList, EmptiesWhatItFilled) {
  FakeList list{.isComboBox = true};
  ASSERT_EQ(Fill(list, 0x1), 71);
  QORDA_ListControl control = list.Control();
  QORDA_DeleteHostTypes(nullptr, &control, 1);
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(Fill(list, 0x4), 4);
}

TEST(QORDA_ReturnHostTypeName, TakesAnIdOrAnIndex) {
  struct Row {
    int32_t hostType;
    const char* name;  // null: outside the table
  } rows[] = {
      {6005, "QB7Q/NOS"},   {5, "QB7Q/NOS"},
      {0, "AUTO"},          {6000, "AUTO"},
      {1, "Chameleon"},     {6072, "Apache"},
      {72, "Apache"},       {6061, "IBM AS/400 (mm/dd/yy)"},
      {73, nullptr},        {5999, nullptr},
      {5995, nullptr},      {6073, nullptr},
      {-1, nullptr},        {INT32_MIN, nullptr},
      {INT32_MAX, nullptr},
  };
  for (const Row& row : rows) {
    const char* name = QORDA_ReturnHostTypeName(nullptr, row.hostType);
    if (row.name == nullptr) {
      EXPECT_EQ(name, nullptr) << row.hostType;
    } else {
      EXPECT_STREQ(name, row.name) << row.hostType;
    }
  }
  // The same constant text, not a copy.
  EXPECT_EQ(QORDA_ReturnHostTypeName(nullptr, 6033), QORDA_ReturnHostTypeName(nullptr, 33));
}

TEST(QORDA_ReturnMaxHostTypes, CountsTheTable) {
  EXPECT_EQ(QORDA_ReturnMaxHostTypes(), 73);
  EXPECT_EQ(QORDA_ReturnHostTypeName(nullptr, QORDA_ReturnMaxHostTypes() - 1),
            std::string("Apache"));
}

TEST_F(HostTypeList, SetHostProtocolEditsOneMaskByIdOrIndex) {
  struct Row {
    int32_t hostType;
    uint32_t bits;
    int32_t set;
    uint32_t filter;  // the fill that shows the edit
    std::vector<intptr_t> ids;
  } rows[] = {
      {6071, 0x1, 1, 0x1, Ids({{6000, 6071}})},
      {71, 0x1, 1, 0x1, Ids({{6000, 6071}})},
      {10, 0x1, 0, 0x1, Ids({{6000, 6009}, {6011, 6070}})},
      {6010, 0x1, 0, 0x1, Ids({{6000, 6009}, {6011, 6070}})},
      {6069, 0x4, 0, 0x4, {6000, 6071, 6072}},
      {6069, 0x1, 0, 0x4, {6000, 6069, 6071, 6072}},  // only the named bits change
      {6072, 0x1, 1, 0x4, {6000, 6069, 6071, 6072}},  // setting keeps the bits it had
      {6001, 0x100, 1, 0x100, {6000, 6001}},          // bits beyond 0x7 are kept too
      {6010, 0x2, 2, 0x2, {6000, 6010}},              // any non-zero set sets
      {0, 0x7, 0, 0x1, Ids({{6000, 6070}})},          // AUTO is listed whatever its mask
      // Outside the table nothing changes.
      {73, 0x2, 1, 0x2, {6000}},
      {6073, 0x2, 1, 0x2, {6000}},
      {5999, 0x2, 1, 0x2, {6000}},
      {-1, 0x2, 1, 0x2, {6000}},
      {INT32_MIN, 0x2, 1, 0x2, {6000}},
      {-1, 0x1, 0, 0x1, Ids({{6000, 6070}})},
      {6073, 0x4, 0, 0x4, {6000, 6069, 6071, 6072}},
  };
  for (const Row& row : rows) {
    ResetHostTypesForTesting();
    EXPECT_EQ(QORDA_SetHostProtocol(nullptr, row.hostType, row.bits, row.set), 0);
    FakeList list;
    Fill(list, row.filter);
    EXPECT_EQ(ItemData(list), row.ids) << row.hostType << " " << row.bits << " " << row.set;
  }
}

TEST_F(HostTypeList, MaskEditsLastUntilTheLibraryIsUnloaded) {
  QORDA_SetHostProtocol(nullptr, 6071, 0x1, 1);
  QORDA_SetHostProtocol(nullptr, 6072, 0x1, 1);
  QORDA_SetHostProtocol(nullptr, 10, 0x1, 0);
  for (int fill = 0; fill < 2; ++fill) {
    FakeList list;
    EXPECT_EQ(Fill(list, 0x1), 72);
    EXPECT_EQ(ItemData(list), Ids({{6000, 6009}, {6011, 6072}}));
  }
}

TEST(HostTypeIndex, TakesSixThousandAndAboveAsAnId) {
  struct Row {
    int32_t hostType;
    int index;
  } rows[] = {{0, 0},     {72, 72},   {73, -1}, {5999, -1},      {6000, 0},
              {6072, 72}, {6073, -1}, {-1, -1}, {INT32_MIN, -1}, {INT32_MAX, -1}};
  for (const Row& row : rows) EXPECT_EQ(HostTypeIndex(row.hostType), row.index) << row.hostType;
}

}  // namespace
}  // namespace qorda::testing
