#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ControlTestSupport.h"
#include "Notebook.h"
#include "PageControl.h"
#include "PropertyApi.h"
#include "TImageList.h"

namespace {

const char* const kCaptions[] = {"Normal controls 1", "Normal controls 2", "Dialogs && other forms"};

struct TPageFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm(480, 360);
  TPageControl* Pages = nullptr;
  TTabSheet* Sheets[3] = {};
  void SetUp() override {
    Pages = new TPageControl(Form.get());
    Pages->SetParent(Form.get());
    Pages->SetBounds(16, 16, 420, 250);
    for (int i = 0; i < 3; ++i) {
      Sheets[i] = new TTabSheet(Form.get());
      Sheets[i]->SetPageControl(Pages);
      Sheets[i]->SetCaption(kCaptions[i]);
    }
  }
  HWND Tabs() { return Pages->Handle(); }
  RECT TabRect(int Index) {
    RECT r{};
    EXPECT_TRUE(SendMessageW(Tabs(), TCM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r)));
    return r;
  }
  RECT Display() {
    RECT r;
    GetClientRect(Tabs(), &r);
    SendMessageW(Tabs(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  std::string AnsiText(int Index) {
    char text[260] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    EXPECT_TRUE(SendMessageA(Tabs(), TCM_GETITEMA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&item)));
    return text;
  }
  int TabImage(int Index) {
    TCITEMW item{};
    item.mask = TCIF_IMAGE;
    SendMessageW(Tabs(), TCM_GETITEMW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&item));
    return item.iImage;
  }
};

bool IsEmpty(const RECT& R) { return R.right <= R.left || R.bottom <= R.top; }

}  // namespace

TEST_F(TPageFixture, TabControlAnswersTheSkinnersQuestionsOnEverySide) {
  struct TCase {
    TTabPosition Position;
    DWORD Styles;
  };
  const TCase cases[] = {
      {tpTop, 0}, {tpBottom, TCS_BOTTOM}, {tpLeft, TCS_VERTICAL}, {tpRight, TCS_VERTICAL | TCS_RIGHT}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Position);
    Pages->SetTabPosition(c.Position);
    PumpMessages();
    EXPECT_EQ(WindowStyle(Tabs()) & (TCS_BOTTOM | TCS_VERTICAL | TCS_RIGHT), c.Styles);
    EXPECT_EQ(SendMessageW(Tabs(), TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0), Pages->ActivePageIndex());
    const RECT display = Display();
    RECT client;
    GetClientRect(Tabs(), &client);
    ASSERT_FALSE(IsEmpty(display));
    EXPECT_TRUE(display.left >= 0 && display.top >= 0 && display.right <= client.right && display.bottom <= client.bottom);
    for (int i = 0; i < 3; ++i) {
      const RECT tab = TabRect(i);
      EXPECT_FALSE(IsEmpty(tab)) << "tab " << i;
      switch (c.Position) {
        case tpTop: EXPECT_LE(tab.bottom, display.top + 2) << "tab " << i; break;
        case tpBottom: EXPECT_GE(tab.top, display.bottom - 2) << "tab " << i; break;
        case tpLeft: EXPECT_LE(tab.right, display.left + 2) << "tab " << i; break;
        case tpRight: EXPECT_GE(tab.left, display.right - 2) << "tab " << i; break;
      }
      EXPECT_EQ(AnsiText(i), kCaptions[i]);
    }
    // The active sheet fills the display area; the others are hidden.
    const RECT sheet = RectInParent(Sheets[0]->Handle(), Tabs());
    EXPECT_TRUE(EqualRect(&sheet, &display));
    EXPECT_TRUE(IsWindowVisible(Sheets[0]->Handle()));
    EXPECT_FALSE(IsWindowVisible(Sheets[1]->Handle()));
  }
}

TEST_F(TPageFixture, ClickingATabShowsItsPage) {
  int changes = 0;
  Pages->SetOnChange([&](TObject*) { ++changes; });
  RECT tab = TabRect(2);
  ClickAt(Tabs(), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  EXPECT_EQ(Pages->ActivePageIndex(), 2);
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(IsWindowVisible(Sheets[2]->Handle()));
  EXPECT_FALSE(IsWindowVisible(Sheets[0]->Handle()));
  const RECT display = Display();
  const RECT sheet = RectInParent(Sheets[2]->Handle(), Tabs());
  EXPECT_TRUE(EqualRect(&sheet, &display));

  Pages->SetOnChanging([](TObject*, bool& Allow) { Allow = false; });
  tab = TabRect(0);
  ClickAt(Tabs(), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  EXPECT_EQ(Pages->ActivePageIndex(), 2) << "OnChanging refused";
  EXPECT_EQ(SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(changes, 1);

  Pages->SetActivePage(Sheets[1]);  // by code: no OnChange
  EXPECT_EQ(SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(IsWindowVisible(Sheets[1]->Handle()));
  EXPECT_EQ(changes, 1);
}

TEST_F(TPageFixture, TabsFollowThePages) {
  Sheets[1]->SetCaption("Renamed");
  EXPECT_EQ(AnsiText(1), "Renamed");
  Pages->SetActivePageIndex(2);
  delete Sheets[0];
  EXPECT_EQ(SendMessageW(Tabs(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(Pages->PageCount(), 2);
  EXPECT_EQ(Pages->ActivePage(), Sheets[2]) << "the active sheet stays active";
  EXPECT_EQ(SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0), 1);
  delete Sheets[2];
  EXPECT_EQ(Pages->ActivePage(), Sheets[1]) << "the neighbour takes over";
  EXPECT_TRUE(IsWindowVisible(Sheets[1]->Handle()));
  auto* other = new TPageControl(Form.get());
  other->SetParent(Form.get());
  other->SetBounds(16, 280, 200, 60);
  Sheets[1]->SetPageControl(other);
  EXPECT_EQ(Pages->PageCount(), 0);
  EXPECT_EQ(Pages->ActivePageIndex(), -1);
  EXPECT_EQ(SendMessageW(Tabs(), TCM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(other->ActivePage(), Sheets[1]);
  EXPECT_EQ(SendMessageW(other->Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
  auto* late = new TTabSheet(Form.get());
  late->SetCaption("Late");
  late->SetPageControl(Pages);
  EXPECT_EQ(AnsiText(0), "Late");
  EXPECT_EQ(Pages->ActivePage(), late);
}

TEST_F(TPageFixture, PageIndexMovesATab) {
  Sheets[2]->SetPageIndex(0);
  EXPECT_EQ(Pages->Pages(0), Sheets[2]);
  EXPECT_EQ(AnsiText(0), kCaptions[2]);
  EXPECT_EQ(AnsiText(1), kCaptions[0]);
  EXPECT_EQ(Pages->ActivePage(), Sheets[0]);
  EXPECT_EQ(SendMessageW(Tabs(), TCM_GETCURSEL, 0, 0), 1);
}

TEST_F(TPageFixture, ImagesReachTheTabs) {
  TImageList images(16, 16);
  TBitmap picture(32, 16);
  picture.Canvas().Brush().SetColor(clRed);
  picture.Canvas().FillRect(TRect{0, 0, 32, 16});
  images.AddMasked(picture, clFuchsia);
  Pages->SetImages(&images);
  Sheets[1]->SetImageIndex(1);
  const auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(Tabs(), TCM_GETIMAGELIST, 0, 0));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  EXPECT_EQ(TabImage(0), -1);
  EXPECT_EQ(TabImage(1), 1);
  Pages->SetTabPosition(tpBottom);  // a new window gets them again
  EXPECT_NE(SendMessageW(Tabs(), TCM_GETIMAGELIST, 0, 0), 0);
  EXPECT_EQ(TabImage(1), 1);
  Pages->SetImages(nullptr);
  EXPECT_EQ(SendMessageW(Tabs(), TCM_GETIMAGELIST, 0, 0), 0);
}

TEST_F(TPageFixture, PublishedProperties) {
  for (const char* name : {"TabPosition", "ActivePage", "Color", "Font", "Align", "Enabled", "Visible"})
    EXPECT_TRUE(HasPublishedProperty(Pages, name)) << name;
  for (const char* name : {"Caption", "ImageIndex", "ParentColor"})
    EXPECT_TRUE(HasPublishedProperty(Sheets[0], name)) << name;
  EXPECT_FALSE(HasPublishedProperty(Pages, "BorderStyle"));
  SetEnumProp(Pages, "TabPosition", "tpBottom");
  EXPECT_TRUE(WindowStyle(Tabs()) & TCS_BOTTOM);
  EXPECT_TRUE(Pages->InheritsFrom("TCustomNotebook"));
}

TEST(Notebook, ShowsOnePageAtATimeOverItsClientArea) {
  auto form = MakeHostForm();
  auto* book = new TNotebook(form.get());
  book->SetParent(form.get());
  book->SetBounds(10, 10, 200, 150);
  TPage* pages[3];
  for (auto*& page : pages) {
    page = new TPage(form.get());
    page->SetParent(book);
  }
  EXPECT_EQ(book->PageIndex(), 0);
  wchar_t className[64] = {};
  GetClassNameW(book->Handle(), className, 64);
  EXPECT_STRNE(className, WC_TABCONTROLW);
  EXPECT_TRUE(book->InheritsFrom("TCustomNotebook"));
  for (int shown = 0; shown < 3; ++shown) {
    book->SetPageIndex(shown);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(IsWindowVisible(pages[i]->Handle()) != 0, i == shown);
    EXPECT_EQ(pages[shown]->Width(), book->ClientWidth());
    EXPECT_EQ(pages[shown]->Height(), book->ClientHeight());
  }
  book->SetBounds(10, 10, 260, 120);
  EXPECT_EQ(pages[2]->Width(), book->ClientWidth()) << "the pages follow the notebook's size";
}
