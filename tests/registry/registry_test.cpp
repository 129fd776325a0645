#include "registry/registry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "qordahosts.h"
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
      {0x1, 71, Ids({{6000, 6070}})},  // IIS and Apache carry 0x4 only
      {0x2, 1, Ids({{6000, 6000}})},   // only AUTO carries 0x2, and AUTO is not filtered
      {0x5, 73, Ids({{6000, 6072}})},
  };
  for (const Row& row : rows) {
    FakeList list;
    EXPECT_EQ(Fill(list, row.filter), row.result) << row.filter;
    EXPECT_EQ(ItemData(list), row.ids) << row.filter;
  }
}

TEST_F(HostTypeList, SendsAddAndDataPerTypeThenInsertsAndSelectsAuto) {
  struct Row {
    FakeList list;
    int32_t result;
    std::vector<std::string> log;
  } rows[] = {
      // A sorted control files "Apache" first: the data follows the answered position.
      {{.sorted = true},
       4,
       {"add Carrox DMZ -> 0", "data 0 6069", "add Microsoft IIS -> 1", "data 1 6071",
        "add Apache -> 0", "data 0 6072", "insert 0 AUTO -> 0", "data 0 6000", "select 0"}},
      // A refused type is neither counted nor given data.
      {{.refused = {"Microsoft IIS"}},
       3,
       {"add Carrox DMZ -> 0", "data 0 6069", "add Microsoft IIS -> -1", "add Apache -> 1",
        "data 1 6072", "insert 0 AUTO -> 0", "data 0 6000", "select 0"}},
      // A refused AUTO ends the fill: no data, no selection.
      {{.refused = {"AUTO"}},
       3,
       {"add Carrox DMZ -> 0", "data 0 6069", "add Microsoft IIS -> 1", "data 1 6071",
        "add Apache -> 2", "data 2 6072", "insert 0 AUTO -> -1"}},
  };
  for (Row& row : rows) {
    for (bool isComboBox : {false, true}) {
      FakeList list = row.list;
      list.isComboBox = isComboBox;
      EXPECT_EQ(Fill(list, 0x4), row.result) << row.log.back();
      EXPECT_EQ(list.log, row.log) << "combo " << isComboBox;
      EXPECT_EQ(list.selection, row.log.back() == "select 0" ? 0 : -1) << row.log.back();
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
  EXPECT_EQ(QORDA_AddHostTypesToListBox(nullptr, nullptr, 1, 0x1), 71);
  EXPECT_EQ(QORDA_DeleteHostTypes(nullptr, nullptr, 0), 0);
  QORDA_ListControl noCallback = {nullptr, nullptr};
  EXPECT_EQ(QORDA_DeleteHostTypes(nullptr, &noCallback, 1), 0);
}

// String 188 of the first module a fill or a name lookup is given becomes
// AUTO's label; later modules are never asked, whatever the first held.
TEST_F(HostTypeList, LoadsString188OnceIntoTheAutoLabel) {
  enum class First { kFill, kNameLookup, kFillWithoutModule };
  const std::string forty = "Automatische Erkennung des Servertyps!!!";
  struct Row {
    First first;
    std::map<uint32_t, std::string> strings;  // of the first module
    std::string label;
  } rows[] = {
      {First::kFill, {{188, forty}}, forty.substr(0, 31)},
      {First::kFill, {{187, "not this one"}}, "AUTO"},  // missing: the table's name stays
      {First::kFill, {{188, ""}}, "AUTO"},
      {First::kNameLookup, {{188, "Automatique"}}, "Automatique"},
      {First::kFillWithoutModule, {}, "AUTO"},
  };
  for (const Row& row : rows) {
    ResetHostTypesForTesting();
    FakeStrings first{row.strings}, second{{{188, "Automatisch"}}};
    QORDA_StringTable firstTable = first.Table(), secondTable = second.Table();
    FakeList firstList, secondList;
    if (row.first == First::kNameLookup) {
      QORDA_ReturnHostTypeName(&firstTable, 6000);
    } else {
      Fill(firstList, 0x0, row.first == First::kFill ? &firstTable : nullptr);
    }
    EXPECT_EQ(Fill(secondList, 0x0, &secondTable), 1);
    EXPECT_EQ(secondList.items, (std::vector<FakeItem>{{row.label, 6000}})) << row.label;
    EXPECT_EQ(first.requests.size(), row.first == First::kFillWithoutModule ? 0u : 1u);
    if (!first.requests.empty()) {
      EXPECT_EQ(first.requests[0], (std::pair<uint32_t, int32_t>{188, 32}));
    }
    EXPECT_TRUE(second.requests.empty());
    EXPECT_STREQ(QORDA_ReturnHostTypeName(&secondTable, 6000), "AUTO");  // names never take it
  }
}

TEST_F(HostTypeList, DeletesFromTheTopUntilTheCountIsZero) {
  for (bool isComboBox : {false, true}) {
    FakeList list{.isComboBox = isComboBox, .items = {{"someone else's", 0}, {"AUTO", 6000}}};
    QORDA_ListControl control = list.Control();
    EXPECT_EQ(QORDA_DeleteHostTypes(nullptr, &control, isComboBox ? 1 : 0), 0);
    EXPECT_EQ(list.log, (std::vector<std::string>{"count -> 2", "delete 0", "count -> 1",
                                                  "delete 0", "count -> 0"}))
        << "combo " << isComboBox;
    EXPECT_TRUE(list.items.empty());
  }
}

// Names and mask edits find their type through HostTypeIndex.
TEST(QORDA_ReturnHostTypeName, TakesAnIdOrAnIndex) {
  EXPECT_EQ(QORDA_ReturnMaxHostTypes(), 73);
  EXPECT_STREQ(QORDA_ReturnHostTypeName(nullptr, 6005), "QB7Q/NOS");
  EXPECT_STREQ(QORDA_ReturnHostTypeName(nullptr, 72), "Apache");
  EXPECT_EQ(QORDA_ReturnHostTypeName(nullptr, 73), nullptr);
  // The same constant text, not a copy.
  EXPECT_EQ(QORDA_ReturnHostTypeName(nullptr, 6033), QORDA_ReturnHostTypeName(nullptr, 33));
}

TEST(HostTypeIndex, TakesSixThousandAndAboveAsAnId) {
  const std::pair<int32_t, int> rows[] = {
      {0, 0},     {72, 72},   {73, -1}, {5999, -1},      {6000, 0},
      {6072, 72}, {6073, -1}, {-1, -1}, {INT32_MIN, -1}, {INT32_MAX, -1},
  };
  for (const auto& [hostType, index] : rows) EXPECT_EQ(HostTypeIndex(hostType), index) << hostType;
}

TEST_F(HostTypeList, SetHostProtocolEditsOneMaskByIdOrIndexUntilUnloaded) {
  struct Row {
    int32_t hostType;
    uint32_t bits;
    int32_t set;
    uint32_t filter;  // the fill that shows the edit
    std::vector<intptr_t> ids;
  } rows[] = {
      {71, 0x1, 1, 0x1, Ids({{6000, 6071}})},
      {10, 0x1, 0, 0x1, Ids({{6000, 6009}, {6011, 6070}})},
      {6069, 0x1, 0, 0x4, {6000, 6069, 6071, 6072}},  // only the named bits change
      {6072, 0x1, 1, 0x4, {6000, 6069, 6071, 6072}},  // setting keeps the bits it had
      {6001, 0x100, 1, 0x100, {6000, 6001}},          // bits beyond 0x7 are kept too
      {6010, 0x2, 2, 0x2, {6000, 6010}},              // any non-zero set sets
      {0, 0x7, 0, 0x1, Ids({{6000, 6070}})},          // AUTO is listed whatever its mask
      {73, 0x2, 1, 0x2, {6000}},                      // outside the table nothing changes
  };
  for (const Row& row : rows) {
    ResetHostTypesForTesting();
    EXPECT_EQ(QORDA_SetHostProtocol(nullptr, row.hostType, row.bits, row.set), 0);
    for (int fill = 0; fill < 2; ++fill) {  // the edit lasts
      FakeList list;
      Fill(list, row.filter);
      EXPECT_EQ(ItemData(list), row.ids) << row.hostType << " " << row.bits << " " << row.set;
    }
  }
}

}  // namespace
}  // namespace qorda::testing
