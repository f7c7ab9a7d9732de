// Scroll boxes and frames: native scroll bars for children beyond the client area, scrolling that
// moves the children, and a frame's own components nested under it in form resources.
#include <gtest/gtest.h>

#include "ExtTestSupport.h"
#include "Frame.h"
#include "Image.h"
#include "Label.h"
#include "Panel.h"
#include "Reader.h"
#include "ScrollBox.h"
#include "Writer.h"

namespace {
bool BarShown(TWinControl& Control, LONG Which) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!GetScrollBarInfo(Control.Handle(), Which, &info)) return false;
  return !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

struct TBoxFixture {
  std::unique_ptr<TForm> Form = MakeHostForm(300, 300);
  TScrollBox* Box;
  TPanel* Child;
  TBoxFixture() {
    Box = new TScrollBox(Form.get());
    Box->SetBounds(10, 10, 200, 150);
    Box->SetParent(Form.get());
    Child = new TPanel(Form.get());
    Child->SetBounds(20, 40, 100, 300);  // reaches below the client area
    Child->SetParent(Box);
    PumpMessages(20);
  }
};
}  // namespace

TEST(ScrollBox, AChildBeyondTheClientAreaShowsTheScrollBarItNeeds) {
  TBoxFixture f;
  EXPECT_TRUE(BarShown(*f.Box, OBJID_VSCROLL));
  EXPECT_FALSE(BarShown(*f.Box, OBJID_HSCROLL));
  EXPECT_TRUE(f.Box->VertScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(f.Box->VertScrollBar()->Range(), 340);
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(f.Box->Handle(), SB_VERT, &info));
  EXPECT_EQ(info.nMax, 339);
  EXPECT_EQ(static_cast<int>(info.nPage), f.Box->ClientHeight());

  // A graphic child growing wider repaints the box, which brings the horizontal bar.
  auto* strip = new TImage(f.Form.get());
  strip->SetBounds(0, 0, 50, 10);
  strip->SetParent(f.Box);
  PumpMessages(20);
  EXPECT_FALSE(BarShown(*f.Box, OBJID_HSCROLL));
  strip->SetWidth(400);
  PumpMessages(20);
  EXPECT_TRUE(BarShown(*f.Box, OBJID_HSCROLL));
  EXPECT_EQ(f.Box->HorzScrollBar()->Range(), 400);
  // Back inside: both go.
  delete strip;
  f.Child->SetBounds(0, 0, 50, 50);
  PumpMessages(20);
  EXPECT_FALSE(BarShown(*f.Box, OBJID_VSCROLL));
  EXPECT_FALSE(BarShown(*f.Box, OBJID_HSCROLL));
  // A child window growing over the box's empty area repaints nothing there: UpdateScrollBars.
  f.Child->SetHeight(400);
  f.Box->UpdateScrollBars();
  EXPECT_TRUE(BarShown(*f.Box, OBJID_VSCROLL));
  // A child aligned to the client does not count.
  f.Child->SetBounds(0, 0, 50, 500);
  f.Child->SetAlign(alClient);
  PumpMessages(20);
  EXPECT_FALSE(BarShown(*f.Box, OBJID_VSCROLL));
}

TEST(ScrollBox, ScrollingMovesTheChildren) {
  TBoxFixture f;
  const int page = f.Box->ClientHeight();
  struct Case {
    const char* Name;
    WPARAM Request;
    int Position;
  };
  const Case cases[] = {
      {"line down", SB_LINEDOWN, 8},
      {"page down", SB_PAGEDOWN, 8 + page},
      {"to the end", SB_BOTTOM, 340 - page},
      {"line up", SB_LINEUP, 340 - page - 8},
      {"thumb", MAKEWPARAM(SB_THUMBPOSITION, 50), 50},
      {"to the top", SB_TOP, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    SendMessageW(f.Box->Handle(), WM_VSCROLL, c.Request, 0);
    EXPECT_EQ(f.Box->VertScrollBar()->Position(), c.Position);
    EXPECT_EQ(f.Child->Top(), 40 - c.Position);
    EXPECT_EQ(GetScrollPos(f.Box->Handle(), SB_VERT), c.Position);
  }
  // The child's window moved with it.
  RECT child, box;
  f.Box->VertScrollBar()->SetPosition(100);
  GetWindowRect(f.Child->Handle(), &child);
  GetClientRect(f.Box->Handle(), &box);
  MapWindowPoints(f.Box->Handle(), nullptr, reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(child.top - box.top, -60);
  // The content keeps its size while scrolled, and a bar going away scrolls back.
  EXPECT_EQ(f.Box->ContentExtent().cy, 340);
  f.Child->SetHeight(50);
  f.Box->UpdateScrollBars();
  EXPECT_EQ(f.Box->VertScrollBar()->Position(), 0);
  EXPECT_EQ(f.Child->Top(), 40);
}

TEST(ScrollBox, AClickOnTheScrollBarArrowScrollsByTheControlsOwnHandling) {
  TBoxFixture f;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetScrollBarInfo(f.Box->Handle(), OBJID_VSCROLL, &info));
  // The down arrow at the bottom of the bar; the platform tracks until the release.
  const POINT arrow{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.bottom - 3};
  PostMessageW(f.Box->Handle(), WM_LBUTTONUP, 0, 0);
  SendMessageW(f.Box->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(arrow.x, arrow.y));
  PumpMessages(20);
  EXPECT_EQ(f.Box->VertScrollBar()->Position(), 8);
  EXPECT_EQ(f.Child->Top(), 32);
}

TEST(ScrollBox, BorderStyleAndScrollBarSettingsArePublished) {
  TBoxFixture f;
  EXPECT_TRUE(GetWindowLongPtrW(f.Box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  f.Box->SetBorderStyle(TBorderStyle::bsNone);
  EXPECT_FALSE(GetWindowLongPtrW(f.Box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  PumpMessages(20);
  EXPECT_TRUE(BarShown(*f.Box, OBJID_VSCROLL));  // the new window works the range out again
  f.Box->VertScrollBar()->SetVisible(false);
  EXPECT_FALSE(BarShown(*f.Box, OBJID_VSCROLL));
  f.Box->VertScrollBar()->SetVisible(true);
  f.Box->SetAutoScroll(false);
  f.Box->VertScrollBar()->SetRange(1000);
  EXPECT_TRUE(BarShown(*f.Box, OBJID_VSCROLL));
  SendMessageW(f.Box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(f.Box->VertScrollBar()->Position(), 1000 - f.Box->ClientHeight());
}

namespace {
// A frame class: its controls are its own components.
class TAddressFrame : public TFrame {
public:
  explicit TAddressFrame(TComponent* AOwner) : TFrame(AOwner) {
    Caption1 = new TLabel(this);
    Caption1->SetName("Label1");
    Caption1->SetParent(this);
    Box1 = new TPanel(this);
    Box1->SetName("Box1");
    Box1->SetParent(this);
  }
  TLabel* Caption1;
  TPanel* Box1;
};
}  // namespace

TEST(Frame, ItsOwnComponentsAreStoredNestedUnderIt) {
  auto build = [](TForm& Form, TAddressFrame*& Frame, TLabel*& FormLabel) {
    Frame = new TAddressFrame(&Form);
    Frame->SetName("Address1");
    Frame->SetParent(&Form);
    FormLabel = new TLabel(&Form);  // the same name as the frame's label: another owner
    FormLabel->SetName("Label1");
    FormLabel->SetParent(&Form);
  };
  TForm source(nullptr);
  TAddressFrame* frame;
  TLabel* formLabel;
  build(source, frame, formLabel);
  frame->Caption1->SetCaption("Street");
  frame->Box1->SetColor(clYellow);
  frame->SetColor(clAqua);
  formLabel->SetCaption("Form label");
  const std::vector<uint8_t> resource = WriteComponentResource(source);

  TForm target(nullptr);
  build(target, frame, formLabel);
  ReadComponentResource(target, resource);
  EXPECT_EQ(frame->Caption1->Caption(), "Street");
  EXPECT_EQ(frame->Box1->Color(), clYellow);
  EXPECT_EQ(frame->Color(), clAqua);
  EXPECT_EQ(formLabel->Caption(), "Form label");
  EXPECT_TRUE(frame->InheritsFrom("TCustomFrame"));
  EXPECT_TRUE(frame->InheritsFrom("TScrollingWinControl"));
}
