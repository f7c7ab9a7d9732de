#include <gtest/gtest.h>

#include "ClassesErrors.h"
#include "NamedResources.h"

TEST(NamedResources, FindsByNameAndTypeIgnoringCaseAndReplacesTheSameResource) {
  TNamedResources list;
  list.Add("tvexaengine", "PNG", {0x89, 'P', 'N', 'G'});
  list.Add("TVexaEngine", "ICO", {1, 2});
  list.Add("other", "PNG", {});
  ASSERT_NE(list.Find("TVEXAENGINE", "png"), nullptr);
  EXPECT_EQ(list.Find("TVEXAENGINE", "png")->Bytes.size(), 4u);
  EXPECT_EQ(list.Find("tvexaengine", "ico")->Bytes, (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(list.Find("tvexaengine")->Type, "PNG");  // any type: the first
  EXPECT_EQ(list.Find("tvexaengine", "BMP"), nullptr);
  EXPECT_EQ(list.Find("missing"), nullptr);

  list.Add("TVEXAENGINE", "png", {9});
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Find("tvexaengine", "PNG")->Bytes, std::vector<uint8_t>{9});
  EXPECT_EQ(list.Items(0).Name, "TVEXAENGINE");
  EXPECT_THROW(list.Items(3), EListError);
}

TEST(NamedResources, TheToolkitListIsOneForTheProcess) {
  NamedResources().Add("design-test", "TXT", {'x'});
  EXPECT_EQ(&NamedResources(), &NamedResources());
  ASSERT_NE(NamedResources().Find("DESIGN-TEST", "txt"), nullptr);
}
