#include "registry/registry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "registry/fake_controls.h"

namespace qorda::testing {
namespace {

// Every test starts from the masks and the unloaded label of a fresh load.
class HostTypeList : public ::testing::Test {
 protected:
  void SetUp() override { ResetHostTypesForTesting(); }
  void TearDown() override { ResetHostTypesForTesting(); }
};

// The item data of a list box filled with the given filter.
std::vector<intptr_t> FilledIds(uint32_t filter) {
  FakeList list;
  QORDA_ListControl control = list.Control();
  QORDA_AddHostTypesToListBox(nullptr, &control, 0, filter);
  std::vector<intptr_t> ids;
  for (const FakeItem& item : list.items) ids.push_back(item.data);
  return ids;
}

// AUTO, then the ids from first to last but one left out.
std::vector<intptr_t> AutoAnd(int first, int last, int without = 0) {
  std::vector<intptr_t> ids = {6000};
  for (int id = first; id <= last; ++id) id != without ? ids.push_back(id) : void();
  return ids;
}

TEST_F(HostTypeList, FillsWithTheTypesWhoseMaskSharesABitAutoFirst) {
  EXPECT_EQ(FilledIds(0x1), AutoAnd(6001, 6070));  // IIS and Apache carry 0x4 only
  EXPECT_EQ(FilledIds(0x2), AutoAnd(1, 0));        // AUTO is not filtered
  EXPECT_EQ(FilledIds(0x5), AutoAnd(6001, 6072));
}

TEST_F(HostTypeList, SendsAddAndDataPerTypeThenInsertsAndSelectsAuto) {
  const struct {
    const char* label;
    FakeList list;
    int32_t result;
    std::string log;
  } rows[] = {
      {"data follows the answered place, kept items stay",
       FakeList{.sorted = true, .items = {{"kept", 7}}}, 4,
       "add Carrox DMZ -> 0; data 0 6069; add Microsoft IIS -> 2; data 2 6071; "
       "add Apache -> 0; data 0 6072; insert 0 AUTO -> 0; data 0 6000; select 0; "},
      {"a refused type is not counted", FakeList{.refused = {"Microsoft IIS"}}, 3,
       "add Carrox DMZ -> 0; data 0 6069; add Microsoft IIS -> -1; add Apache -> 1; "
       "data 1 6072; insert 0 AUTO -> 0; data 0 6000; select 0; "},
      {"a refused AUTO ends the fill", FakeList{.refused = {"AUTO"}}, 3,
       "add Carrox DMZ -> 0; data 0 6069; add Microsoft IIS -> 1; data 1 6071; "
       "add Apache -> 2; data 2 6072; insert 0 AUTO -> -1; "},
  };
  for (const auto& row : rows) {
    for (bool isComboBox : {false, true}) {
      FakeList list = row.list;
      list.isComboBox = isComboBox;
      QORDA_ListControl control = list.Control();
      EXPECT_EQ(QORDA_AddHostTypesToListBox(nullptr, &control, isComboBox, 0x4), row.result)
          << row.label;
      EXPECT_EQ(list.log, row.log) << row.label << ", combo box " << isComboBox;
    }
  }
}

TEST_F(HostTypeList, DeletesFromTheTopUntilTheCountIsZero) {
  FakeList list{.isComboBox = true, .items = {{"someone else's", 0}, {"AUTO", 6000}}};
  QORDA_ListControl control = list.Control();
  EXPECT_EQ(QORDA_DeleteHostTypes(nullptr, &control, 1), 0);
  EXPECT_EQ(list.log, "count -> 2; delete 0; count -> 1; delete 0; count -> 0; ");
  // Without a control every message answers 0: every add counts.
  EXPECT_EQ(QORDA_AddHostTypesToListBox(nullptr, nullptr, 1, 0x1), 71);
  EXPECT_EQ(QORDA_DeleteHostTypes(nullptr, nullptr, 0), 0);
}

// String 188 of the first module a fill or a name lookup is given becomes
// AUTO's label, cut to 31 characters; later modules are never asked, and
// names never take it.
TEST_F(HostTypeList, LoadsString188OnceIntoTheAutoLabel) {
  for (bool byNameLookup : {false, true}) {
    ResetHostTypesForTesting();
    FakeStrings first{{{188, "Automatische Erkennung des Servertyps!!!"}}}, second{{{188, "x"}}};
    QORDA_StringTable firstTable = first.Table(), secondTable = second.Table();
    FakeList firstList, secondList;
    QORDA_ListControl firstControl = firstList.Control(), secondControl = secondList.Control();
    if (byNameLookup) {
      EXPECT_STREQ(QORDA_ReturnHostTypeName(&firstTable, 6000), "AUTO");
    } else {
      QORDA_AddHostTypesToListBox(&firstTable, &firstControl, 0, 0x0);
    }
    QORDA_AddHostTypesToListBox(&secondTable, &secondControl, 0, 0x0);
    EXPECT_EQ(secondList.items, (std::vector<FakeItem>{{"Automatische Erkennung des Serv", 6000}}));
    EXPECT_EQ(first.requests, (std::vector<std::pair<uint32_t, int32_t>>{{188, 32}}));
    EXPECT_TRUE(second.requests.empty());
  }
}

TEST_F(HostTypeList, SetHostProtocolEditsOneMaskByIdOrIndexUntilUnloaded) {
  const struct {
    int32_t hostType;
    uint32_t bits;
    int32_t set;
    uint32_t filter;  // the fill that shows the edit
    std::vector<intptr_t> ids;
  } rows[] = {
      {71, 0x1, 1, 0x1, AutoAnd(6001, 6071)},
      {10, 0x1, 0, 0x1, AutoAnd(6001, 6070, 6010)},
      {6069, 0x1, 0, 0x4, {6000, 6069, 6071, 6072}},  // only the named bits change
      {6001, 0x100, 2, 0x100, {6000, 6001}},          // any bits, any non-zero set
      {73, 0x2, 1, 0x2, {6000}},                      // neither an index nor an id
  };
  for (const auto& row : rows) {
    ResetHostTypesForTesting();
    EXPECT_EQ(QORDA_SetHostProtocol(nullptr, row.hostType, row.bits, row.set), 0);
    EXPECT_EQ(FilledIds(row.filter), row.ids) << row.hostType << " " << row.bits;
    EXPECT_EQ(FilledIds(row.filter), row.ids) << row.hostType << ": the edit lasts";
  }
}

}  // namespace
}  // namespace qorda::testing
