#include <gtest/gtest.h>
#include "core/Error.h"
#include "list/MyDictionary.h"

namespace bw {
namespace {

class MyDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dict.Add("Home", "h");
    dict.Add("Search", 2);
    dict.Add("My", "m");
  }
  MyDictionary dict;
};

TEST_F(MyDictionaryTest, KeepsInsertionOrder) {
  EXPECT_EQ(dict.Count(), 3);
  EXPECT_EQ(dict.Key(1), "Home");
  EXPECT_EQ(dict.Keys(), (QStringList{"Home", "Search", "My"}));
  EXPECT_EQ(dict.Items(), (QList<QVariant>{"h", 2, "m"}));
  dict.Remove("Home");
  EXPECT_EQ(dict.Key(1), "Search");
  EXPECT_EQ(dict.Item("My"), QVariant("m"));
}

TEST_F(MyDictionaryTest, SearchIsExactButFilingIgnoresCase) {
  EXPECT_FALSE(dict.Exists("home"));
  EXPECT_FALSE(dict.Item("home").isValid());
  try {
    dict.Add("home", "x");
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.number(), 457);
  }
  EXPECT_EQ(dict.Count(), 3);
  EXPECT_THROW(dict.Remove("HOME"), Error);
}

TEST_F(MyDictionaryTest, RemovingAnAbsentKeyRaises) {
  try {
    dict.Remove("Nope");
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.number(), -2147221404L);
    EXPECT_EQ(e.source(), "MyDictionary");
    EXPECT_EQ(e.description(), "Key not found in MyDictionary object.");
  }
  EXPECT_EQ(dict.Count(), 3);
}

TEST_F(MyDictionaryTest, RemovedKeysCanBeAddedAgain) {
  dict.Remove("Search");
  dict.Add("SEARCH", 5);
  EXPECT_EQ(dict.Keys(), (QStringList{"Home", "My", "SEARCH"}));
  dict.RemoveAll();
  EXPECT_EQ(dict.Count(), 0);
  dict.Add("Home", 1);
  EXPECT_EQ(dict.Count(), 1);
}

TEST_F(MyDictionaryTest, PositionsOutsideTheListRaise) {
  EXPECT_THROW(dict.Key(0), Error);
  EXPECT_THROW(dict.Key(4), Error);
}

}  // namespace
}  // namespace bw
