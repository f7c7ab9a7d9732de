// Tree views: nodes mirrored into the native control, expanding and collapsing by real clicks on
// the +/- buttons and by keys, the selection, and a recreated window keeping it all.
#include <gtest/gtest.h>

#include "ExtTestSupport.h"
#include "TImageList.h"
#include "TreeNode.h"
#include "TreeNodes.h"
#include "TreeView.h"

namespace {
struct TTreeFixture {
  std::unique_ptr<TForm> Form = MakeHostForm(300, 300);
  TTreeView* Tree;
  TTreeNode* Fruit;
  TTreeNode* Tools;
  std::vector<std::string> Events;
  TTreeFixture() {
    Tree = new TTreeView(Form.get());
    Tree->SetBounds(10, 10, 200, 200);
    Tree->SetParent(Form.get());
    Fruit = Tree->Items()->AddChild(nullptr, "Fruit");
    for (const char* name : {"Apple", "Pear", "Plum"}) Tree->Items()->AddChild(Fruit, name);
    Tools = Tree->Items()->Add(Fruit, "Tools");
    Tree->Items()->AddChild(Tools, "Saw");
    Tree->SetOnExpanded([this](TObject*, TTreeNode* Node) { Events.push_back("expanded " + Node->Text()); });
    Tree->SetOnCollapsed([this](TObject*, TTreeNode* Node) { Events.push_back("collapsed " + Node->Text()); });
    Tree->SetOnChange([this](TObject*, TTreeNode* Node) { Events.push_back("selected " + (Node ? Node->Text() : "none")); });
    PumpMessages(10);
  }
  bool NativeExpanded(TTreeNode* Node) const {
    return SendMessageW(Tree->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(Node->ItemId()), TVIS_EXPANDED) &
           TVIS_EXPANDED;
  }
  // The +/- button of a node's row, found by asking the control what lies left of the text.
  POINT ButtonOf(TTreeNode* Node) const {
    const TRect text = Node->DisplayRect(true);
    const int y = (text.Top + text.Bottom) / 2;
    for (int x = 0; x < text.Left; ++x) {
      TVHITTESTINFO hit{};
      hit.pt = POINT{x, y};
      SendMessageW(Tree->Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      if (hit.flags & TVHT_ONITEMBUTTON) return POINT{x + 2, y};
    }
    ADD_FAILURE() << "no button for " << Node->Text();
    return POINT{0, 0};
  }
  POINT TextOf(TTreeNode* Node) const {
    const TRect text = Node->DisplayRect(true);
    return POINT{(text.Left + text.Right) / 2, (text.Top + text.Bottom) / 2};
  }
  void Click(POINT At) {
    SendMouse(*Tree, WM_LBUTTONDOWN, At.x, At.y, MK_LBUTTON);
    SendMouse(*Tree, WM_LBUTTONUP, At.x, At.y);
    PumpMessages(5);
  }
};
}  // namespace

TEST(TreeView, NodesAreKeptInOrderAndMirroredIntoTheWindow) {
  TTreeFixture f;
  TTreeNodes& items = *f.Tree->Items();
  TTreeNode* first = items.AddFirst(f.Tools, "Animals");
  TTreeNode* pear = f.Fruit->Item(1);
  TTreeNode* quince = items.Insert(pear, "Quince");
  TTreeNode* kiwi = items.AddChildFirst(f.Fruit, "Kiwi");
  std::vector<std::string> order;
  for (int i = 0; i < items.Count(); ++i) order.push_back(items.Item(i)->Text());
  EXPECT_EQ(order, (std::vector<std::string>{"Animals", "Fruit", "Kiwi", "Apple", "Quince", "Pear", "Plum", "Tools", "Saw"}));
  EXPECT_EQ(items.GetFirstNode(), first);
  EXPECT_EQ(quince->Index(), 2);
  EXPECT_EQ(quince->Level(), 1);
  EXPECT_EQ(quince->Parent(), f.Fruit);
  EXPECT_EQ(kiwi->GetNextSibling()->Text(), "Apple");
  EXPECT_EQ(items.RootCount(), 3);
  EXPECT_THROW(items.Item(9), std::exception);
  EXPECT_THROW(f.Fruit->Item(5), std::exception);
  EXPECT_EQ(SendMessageW(f.Tree->Handle(), TVM_GETCOUNT, 0, 0), items.Count());
  // The native order is the same.
  HTREEITEM child = reinterpret_cast<HTREEITEM>(
      SendMessageW(f.Tree->Handle(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(f.Fruit->ItemId())));
  EXPECT_EQ(child, kiwi->ItemId());
  EXPECT_EQ(items.FindByItem(quince->ItemId()), quince);
  quince->SetText("Medlar");
  wchar_t text[32] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = quince->ItemId();
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(f.Tree->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"Medlar");
}

TEST(TreeView, AClickOnThePlusMinusButtonExpandsAndCollapses) {
  TTreeFixture f;
  EXPECT_FALSE(f.Fruit->Expanded());
  EXPECT_TRUE(f.Fruit->Item(0)->DisplayRect(false).IsEmpty());
  f.Click(f.ButtonOf(f.Fruit));
  EXPECT_TRUE(f.Fruit->Expanded());
  EXPECT_TRUE(f.NativeExpanded(f.Fruit));
  EXPECT_FALSE(f.Fruit->Item(2)->DisplayRect(false).IsEmpty());
  f.Click(f.ButtonOf(f.Fruit));
  EXPECT_FALSE(f.Fruit->Expanded());
  std::erase_if(f.Events, [](const std::string& e) { return e.starts_with("selected"); });  // the control's choice
  EXPECT_EQ(f.Events, (std::vector<std::string>{"expanded Fruit", "collapsed Fruit"}));

  // OnExpanding may refuse.
  f.Tree->SetOnExpanding([](TObject*, TTreeNode* Node, bool& Allow) { Allow = Node->Text() != "Tools"; });
  f.Click(f.ButtonOf(f.Tools));
  EXPECT_FALSE(f.Tools->Expanded());
  EXPECT_FALSE(f.NativeExpanded(f.Tools));
}

TEST(TreeView, KeysExpandAndCollapseTheSelectedNode) {
  TTreeFixture f;
  f.Click(f.TextOf(f.Tools));
  EXPECT_EQ(f.Tree->Selected(), f.Tools);
  EXPECT_TRUE(f.Tools->Selected());
  struct Case {
    WORD Key;
    bool Expanded;
  };
  for (const Case& c : {Case{VK_RIGHT, true}, Case{VK_LEFT, false}, Case{VK_ADD, true}, Case{VK_SUBTRACT, false}}) {
    SCOPED_TRACE(c.Key);
    SendKey(*f.Tree, c.Key);
    EXPECT_EQ(f.Tools->Expanded(), c.Expanded);
    EXPECT_EQ(f.NativeExpanded(f.Tools), c.Expanded);
  }
  SendKey(*f.Tree, VK_UP);
  EXPECT_EQ(f.Tree->Selected(), f.Fruit);
  EXPECT_EQ(f.Events.front(), "selected Tools");
  EXPECT_EQ(f.Events.back(), "selected Fruit");
}

TEST(TreeView, ARecreatedWindowKeepsTheNodesTheirStateAndTheSelection) {
  TTreeFixture f;
  TThirdPartyHook hook(*f.Tree);
  f.Tools->Expand(false);
  f.Tree->SetSelected(f.Tools->Item(0));
  EXPECT_EQ(f.Tree->Selected()->Text(), "Saw");
  const HWND before = f.Tree->Handle();
  f.Tree->SetShowLines(false);
  ASSERT_NE(f.Tree->Handle(), before);
  EXPECT_FALSE(GetWindowLongPtrW(f.Tree->Handle(), GWL_STYLE) & TVS_HASLINES);
  EXPECT_EQ(SendMessageW(f.Tree->Handle(), TVM_GETCOUNT, 0, 0), 6);
  EXPECT_TRUE(f.NativeExpanded(f.Tools));
  EXPECT_FALSE(f.NativeExpanded(f.Fruit));
  EXPECT_EQ(f.Tree->Selected()->Text(), "Saw");
  EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageW(f.Tree->Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0)),
            f.Tools->Item(0)->ItemId());
  // Clicks still reach the nodes, through the third party's procedure too.
  hook.Clear();
  f.Click(f.ButtonOf(f.Fruit));
  EXPECT_TRUE(f.Fruit->Expanded());
  EXPECT_EQ(hook.Count(WM_LBUTTONDOWN), 1);
}

TEST(TreeView, DeletingNodesForgetsTheSelection) {
  TTreeFixture f;
  f.Fruit->Expand(false);
  f.Tree->SetSelected(f.Fruit->Item(1));
  EXPECT_EQ(f.Tree->Selected()->Text(), "Pear");
  f.Fruit->Delete();
  EXPECT_NE(f.Tree->Selected(), nullptr);  // the control chose another node
  EXPECT_EQ(f.Tree->Items()->Count(), 2);
  EXPECT_EQ(SendMessageW(f.Tree->Handle(), TVM_GETCOUNT, 0, 0), 2);
  f.Tree->Items()->Clear();
  EXPECT_EQ(f.Tree->Selected(), nullptr);
  EXPECT_EQ(f.Tree->Items()->Count(), 0);
  EXPECT_EQ(SendMessageW(f.Tree->Handle(), TVM_GETCOUNT, 0, 0), 0);
}

TEST(TreeView, ManyNodesBringTheNativeScrollBar) {
  TTreeFixture f;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetScrollBarInfo(f.Tree->Handle(), OBJID_VSCROLL, &info));
  EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  for (int i = 0; i < 40; ++i) f.Tree->Items()->AddChild(f.Tools, "Item " + std::to_string(i));
  f.Tools->Expand(false);
  PumpMessages(10);
  ASSERT_TRUE(GetScrollBarInfo(f.Tree->Handle(), OBJID_VSCROLL, &info));
  EXPECT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

TEST(TreeView, ImagesAreHandedToTheControl) {
  TTreeFixture f;
  TImageList images(16, 16);
  images.Add(TBitmap(32, 16));
  f.Tree->SetImages(&images);
  f.Fruit->SetImageIndex(1);
  EXPECT_NE(SendMessageW(f.Tree->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0), 0);
  EXPECT_EQ(ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(
                SendMessageW(f.Tree->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0))),
            2);
  TVITEMW item{};
  item.mask = TVIF_IMAGE;
  item.hItem = f.Fruit->ItemId();
  SendMessageW(f.Tree->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, 1);
  f.Tree->SetImages(nullptr);
  EXPECT_EQ(SendMessageW(f.Tree->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0), 0);
}
