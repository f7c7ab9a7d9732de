// String lists: search ignoring case, name=value lines, text and comma text, sorting rules, objects,
// copying, change events and index errors.
#include <gtest/gtest.h>

#include "ClassesErrors.h"
#include "StringList.h"

namespace {

void AddAll(TStrings& List, std::initializer_list<const char*> Items) {
  for (const char* item : Items) List.Add(item);
}

std::vector<std::string> All(const TStrings& List) {
  std::vector<std::string> result;
  for (int i = 0; i < List.Count(); ++i) result.push_back(List.Strings(i));
  return result;
}

}  // namespace

TEST(StringList, KeepsLinesWhereTheyAreAddedAndFindsThemIgnoringCase) {
  TStringList list;
  AddAll(list, {"TForm", "TDialog", "tform"});
  EXPECT_EQ(All(list), (std::vector<std::string>{"TForm", "TDialog", "tform"})) << "unsorted, duplicates kept";
  EXPECT_EQ(list.IndexOf("TFORM"), 0);
  EXPECT_EQ(list.IndexOf("tdialog"), 1);
  EXPECT_EQ(list.IndexOf("TDialog2"), -1);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("tform"), 2);
  EXPECT_EQ(list.IndexOf("TFORM"), -1);
}

TEST(StringList, NameValueLines) {
  TStringList list;
  AddAll(list, {"a=1", "Path=C:\\x=y", "plain", "=no name", "A=second"});
  struct Case {
    int Index;
    const char* Name;
    const char* Value;
  } cases[] = {{0, "a", "1"}, {1, "Path", "C:\\x=y"}, {2, "", ""}, {3, "", "no name"}, {4, "A", "second"}};
  for (const Case& c : cases) {
    EXPECT_EQ(list.Names(c.Index), c.Name) << c.Index;
    EXPECT_EQ(list.ValueFromIndex(c.Index), c.Value) << c.Index;
  }
  EXPECT_EQ(list.Values("A"), "1") << "the first line of that name, ignoring case";
  EXPECT_EQ(list.Values("path"), "C:\\x=y");
  EXPECT_EQ(list.Values("plain"), "") << "a line without '=' has no name";
  EXPECT_EQ(list.IndexOfName("PATH"), 1);

  list.SetValue("path", "D:\\");
  EXPECT_EQ(list.Strings(1), "path=D:\\") << "replaced in place";
  list.SetValue("New", "v");
  EXPECT_EQ(list.Strings(5), "New=v");
  list.SetValue("a", "");
  EXPECT_EQ(list.IndexOfName("a"), 3) << "an empty value deletes the first line of that name";
  EXPECT_EQ(list.Count(), 5);
}

TEST(StringList, TextSplitsAtAnyLineBreakAndJoinsWithCrLf) {
  struct Case {
    const char* Text;
    std::vector<std::string> Lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo", {"one", "two"}},
      {"one\ntwo\rthree\r\n", {"one", "two", "three"}},
      {"\n", {""}},
      {"a\n\nb\n\n", {"a", "", "b", ""}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetText(c.Text);
    EXPECT_EQ(All(list), c.Lines) << c.Text;
  }
  TStringList list;
  AddAll(list, {"a", "", "b"});
  EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\n");
}

TEST(StringList, CommaTextQuotesWhatItMustAndReadsItBack) {
  TStringList list;
  AddAll(list, {"plain", "with space", "", "com,ma", "say \"hi\"", "tab\there"});
  EXPECT_EQ(list.CommaText(), "plain,\"with space\",\"\",\"com,ma\",\"say \"\"hi\"\"\",\"tab\there\"");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_TRUE(back.Equals(list));

  struct Case {
    const char* Text;
    std::vector<std::string> Lines;
  } cases[] = {
      {"a,b,c", {"a", "b", "c"}},
      {"  a , b ", {"a", "b"}},
      {"a b", {"a", "b"}},  // unquoted spaces separate too
      {"a,,b", {"a", "", "b"}},
      {"a,", {"a", ""}},
      {"\"x \"\"y\"\"\",z", {"x \"y\"", "z"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    TStringList parsed;
    parsed.SetCommaText(c.Text);
    EXPECT_EQ(All(parsed), c.Lines) << c.Text;
  }
}

TEST(StringList, SortedListsKeepOrderAndApplyTheDuplicatesRule) {
  TStringList list;
  AddAll(list, {"pear", "Apple", "fig"});
  list.SetSorted(true);
  EXPECT_EQ(All(list), (std::vector<std::string>{"Apple", "fig", "pear"}));
  EXPECT_EQ(list.Add("banana"), 1);
  int index = -1;
  EXPECT_TRUE(list.Find("FIG", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("grape", index));
  EXPECT_EQ(index, 3) << "where it would go";
  EXPECT_EQ(list.IndexOf("PEAR"), 3);

  EXPECT_EQ(list.Add("APPLE"), 0) << "dupIgnore: the line already there";
  EXPECT_EQ(list.Count(), 4);
  list.SetDuplicates(dupError);
  try {
    list.Add("apple");
    FAIL() << "no exception";
  } catch (const EStringListError& e) {
    EXPECT_STREQ(e.what(), "String list does not allow duplicates");
  }
  list.SetDuplicates(dupAccept);
  list.Add("apple");
  EXPECT_EQ(list.Count(), 5);

  EXPECT_THROW(list.Insert(0, "zebra"), EStringListError);
  EXPECT_THROW(list.SetStrings(0, "zebra"), EStringListError);
}

TEST(StringList, ObjectsTravelWithTheirLines) {
  TStringList owner1, owner2;  // any toolkit objects will do
  TStringList list;
  list.AddObject("b", &owner2);
  list.AddObject("a", &owner1);
  list.Add("c");
  list.SetSorted(true);
  EXPECT_EQ(list.Objects(0), &owner1);
  EXPECT_EQ(list.Objects(1), &owner2);
  EXPECT_EQ(list.Objects(2), nullptr);
  EXPECT_EQ(list.IndexOfObject(&owner2), 1);

  TStringList copy;
  copy.Assign(&list);
  EXPECT_EQ(All(copy), All(list));
  EXPECT_EQ(copy.Objects(0), &owner1);
  copy.Move(0, 2);
  EXPECT_EQ(All(copy), (std::vector<std::string>{"b", "c", "a"}));
  EXPECT_EQ(copy.Objects(2), &owner1);
}

TEST(StringList, ChangeEventsFireAroundEachChangeOrOnceAroundAnUpdate) {
  TStringList list;
  std::vector<std::string> journal;
  list.SetOnChanging([&](TObject* Sender) { journal.push_back(Sender == &list ? "changing" : "wrong sender"); });
  list.SetOnChange([&](TObject*) { journal.push_back("changed " + std::to_string(list.Count())); });
  list.Add("a");
  list.Delete(0);
  EXPECT_EQ(journal, (std::vector<std::string>{"changing", "changed 1", "changing", "changed 0"}));

  journal.clear();
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("a");
  list.SetText("x\ny\nz");
  list.EndUpdate();
  EXPECT_EQ(journal, (std::vector<std::string>{"changing"}));
  list.EndUpdate();
  EXPECT_EQ(journal, (std::vector<std::string>{"changing", "changed 3"}));

  journal.clear();
  TStringList other;
  AddAll(other, {"p", "q"});
  list.Assign(&other);
  EXPECT_EQ(journal, (std::vector<std::string>{"changing", "changed 2"})) << "one change for the whole copy";
  list.AddStrings(other);
  EXPECT_EQ(All(list), (std::vector<std::string>{"p", "q", "p", "q"}));
}

TEST(StringList, IndexErrorsNameTheIndex) {
  TStringList list;
  AddAll(list, {"a"});
  try {
    list.Strings(5);
    FAIL() << "no exception";
  } catch (const EStringListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (5)");
  }
  EXPECT_THROW(list.Delete(-1), EStringListError);
  EXPECT_THROW(list.Insert(2, "x"), EStringListError);
  EXPECT_NO_THROW(list.Insert(1, "x")) << "inserting at the end is fine";
  EXPECT_THROW(list.Objects(2), EListError);

  TStringList copy;
  TPersistent notStrings;
  EXPECT_THROW(copy.Assign(&notStrings), EConvertError);
  EXPECT_THROW(copy.Assign(nullptr), EConvertError);
}
