// Images: automatic size, stretching, centring, transparency, clicks and the stored picture.
#include <gtest/gtest.h>

#include "BitmapFile.h"
#include "ExtTestSupport.h"
#include "Image.h"
#include "Panel.h"
#include "Reader.h"
#include "SkinError.h"
#include "Writer.h"

namespace {
// A 20x10 picture: left half red, right half blue, bottom-left pixel green (the transparent key).
std::unique_ptr<TBitmap> MakePicture() {
  auto bitmap = std::make_unique<TBitmap>(20, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) bitmap->SetPixel(x, y, x < 10 ? clRed : clBlue);
  bitmap->SetPixel(0, 9, clLime);
  return bitmap;
}

struct TImageFixture {
  std::unique_ptr<TForm> Form = MakeHostForm(300, 200);
  TPanel* Panel;
  TImage* Image;
  TImageFixture() {
    Panel = new TPanel(Form.get());
    Panel->SetBounds(0, 0, 300, 200);
    Panel->SetBevelOuter(bvNone);
    Panel->SetColor(clWhite);
    Panel->SetParent(Form.get());
    Image = new TImage(Form.get());
    Image->SetBounds(10, 10, 100, 50);
    Image->SetParent(Panel);
    Image->Picture()->SetBitmap(MakePicture().get());
    PumpMessages(10);
  }
  TColor At(int X, int Y) { return PixelAt(*Panel, Image->Left() + X, Image->Top() + Y); }
};
}  // namespace

TEST(Image, DrawsAtTheCornerCentredOrStretched) {
  struct Case {
    const char* Name;
    bool Stretch, Center, Proportional;
    int Height;  // of the control, 100 wide; the picture is 20x10
    TRect Dest;
  };
  const Case cases[] = {
      {"plain", false, false, false, 60, {0, 0, 20, 10}},
      {"centred", false, true, false, 60, {40, 25, 60, 35}},
      {"stretched", true, false, false, 60, {0, 0, 100, 60}},
      {"stretched in proportion and centred", true, true, true, 80, {0, 15, 100, 65}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TImageFixture f;
    f.Image->SetBounds(10, 10, 100, c.Height);
    f.Image->SetStretch(c.Stretch);
    f.Image->SetCenter(c.Center);
    f.Image->SetProportional(c.Proportional);
    EXPECT_EQ(f.Image->DestRect(), c.Dest);
    EXPECT_EQ(f.At(c.Dest.Left + 1, c.Dest.Top + 1), clRed);
    EXPECT_EQ(f.At(c.Dest.Right - 1, c.Dest.Top + 1), clBlue);
    if (c.Dest.Right < 100) {
      EXPECT_EQ(f.At(c.Dest.Right + 1, c.Dest.Top + 1), clWhite);
    }
    if (c.Dest.Top > 0) {
      EXPECT_EQ(f.At(c.Dest.Left + 1, c.Dest.Top - 1), clWhite);
    }
  }
}

TEST(Image, AutoSizeFollowsThePicture) {
  TImageFixture f;
  f.Image->SetAutoSize(true);
  EXPECT_EQ(f.Image->Width(), 20);
  EXPECT_EQ(f.Image->Height(), 10);
  TBitmap bigger(64, 32);
  f.Image->Picture()->SetBitmap(&bigger);
  EXPECT_EQ(f.Image->Width(), 64);
  EXPECT_EQ(f.Image->Height(), 32);
  f.Image->SetAutoSize(false);
  f.Image->Picture()->SetBitmap(MakePicture().get());
  EXPECT_EQ(f.Image->Width(), 64);
}

TEST(Image, TransparentLeavesOutTheKeyColour) {
  TImageFixture f;
  EXPECT_EQ(f.At(0, 9), clLime);
  f.Image->SetTransparent(true);
  EXPECT_EQ(f.At(0, 9), clWhite);
  EXPECT_EQ(f.At(1, 9), clRed);
}

TEST(Image, IsClickedThroughItsParentAndHearsTheMouse) {
  TImageFixture f;
  int clicks = 0, enters = 0, leaves = 0;
  f.Image->SetOnClick([&clicks](TObject*) { ++clicks; });
  f.Image->SetOnMouseEnter([&enters](TObject*) { ++enters; });
  f.Image->SetOnMouseLeave([&leaves](TObject*) { ++leaves; });
  ClickAt(*f.Panel, 30, 20);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(enters, 1);
  SendMouse(*f.Panel, WM_MOUSEMOVE, 250, 150);
  EXPECT_EQ(leaves, 1);
  DragClick(*f.Panel, POINT{30, 20}, POINT{250, 150});
  EXPECT_EQ(clicks, 1);
}

TEST(Image, ThePictureIsStoredInTheFormResource) {
  TImageFixture source;
  source.Image->SetName("Image1");
  const std::vector<uint8_t> resource = WriteComponentResource(*source.Form);

  TForm target(nullptr);
  auto* image = new TImage(&target);
  image->SetName("Image1");
  image->SetAutoSize(true);
  ReadComponentResource(target, resource);
  ASSERT_EQ(image->Picture()->Width(), 20);
  EXPECT_EQ(image->Picture()->Bitmap()->Pixel(0, 9), clLime);
  EXPECT_EQ(image->Picture()->Bitmap()->Pixel(15, 3), clBlue);
  EXPECT_EQ(image->Width(), 20);

  // Bytes that are no BMP file leave the picture as it was.
  const std::vector<uint8_t> junk{'B', 'M', 1, 2, 3};
  EXPECT_THROW(LoadBitmapFromBytes(*image->Picture()->Bitmap(), junk), EInvalidGraphic);
  EXPECT_EQ(image->Picture()->Width(), 20);
}
