// A skin-file editor built on the designer interface and the open dialog, run for real: the
// pieces a design-time package puts together.
#include <gtest/gtest.h>

#include "DesignTestComponents.h"
#include "DesignerHost.h"
#include "DialogDriver.h"
#include "OpenDialog.h"
#include "Registration.h"
#include "TempFiles.h"
#include "TextEncoding.h"

namespace {

// Opens a file dialog for skin archives and stores the choice through the property's setter.
class TSkinFileEditor : public TPropertyEditor {
public:
  using TPropertyEditor::TPropertyEditor;
  TPropertyAttributes GetAttributes() const override { return {paDialog}; }
  std::string GetValue() const override { return GetStrValue(); }
  void Edit() override {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Skin File (*.mvx)|*.mvx");
    if (dialog.Execute()) SetStrValue(dialog.FileName());
  }
};

void RegisterSkinEditor() {
  RegisterPropertyEditor("String", &TDesignTestEngine::StaticClassInfo(), "SkinFile",
                         PropertyEditorFactory<TSkinFileEditor>());
}

void TypeInto(HWND Dialog, const std::string& Path) {
  HWND box = GetDlgItem(Dialog, 0x47C);  // the file-name combo box
  HWND edit = box ? FindDescendant(box, L"Edit") : nullptr;
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, Utf8ToWide(Path).c_str());
}

}  // namespace

TEST(SkinFileEditor, CancelChangesNothingAndAcceptLoadsAndMarksTheFormModified) {
  TDesignerHost host;
  host.LoadPackage("Test", [] { RegisterUnit("TestReg", &RegisterSkinEditor); });
  TDesignTestEngine engine(nullptr);
  engine.SetSkinFile("old.mvx");
  engine.Loads = 0;

  {
    DialogDriver user([](HWND dlg) { PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_TRUE(host.EditProperty(&engine, "SkinFile"));
    EXPECT_TRUE(user.Acted());
  }
  EXPECT_EQ(engine.SkinFile(), "old.mvx");
  EXPECT_EQ(engine.Loads, 0);
  EXPECT_EQ(host.ModifiedCount(), 0);

  TempFolder folder("vexa-skin-editor");
  const std::string skin = folder.AddFile("blue.mvx");
  {
    DialogDriver user([&](HWND dlg) {
      TypeInto(dlg, skin);
      PostMessageW(dlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(host.EditProperty(&engine, "SkinFile"));
  }
  EXPECT_EQ(CanonicalPath(engine.SkinFile()), CanonicalPath(skin));
  EXPECT_EQ(engine.Loads, 1);
  EXPECT_EQ(host.ModifiedCount(), 1);
  EXPECT_EQ(CanonicalPath(host.CreateEditor({&engine}, "SkinFile")->GetValue()), CanonicalPath(skin));

  // Properties whose editor has no dialog are not "edited".
  EXPECT_FALSE(host.EditProperty(&engine, "Caption"));
  EXPECT_FALSE(host.EditProperty(&engine, "Missing"));
}
