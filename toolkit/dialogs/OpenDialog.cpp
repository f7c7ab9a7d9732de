#include "OpenDialog.h"

#include <commdlg.h>

#include <array>
#include <utility>
#include <vector>

#include "FileFilter.h"
#include "Publisher.h"
#include "StringList.h"
#include "TextEncoding.h"

VEXA_DEFINE_CLASS(TOpenDialog) {
  PUBLISHED(DefaultExt);
  PUBLISHED(FileName, "TFileName");
  PUBLISHED(Filter);
  PUBLISHED(FilterIndex).Default(1);
  PUBLISHED(InitialDir);
  PUBLISHED(Options).Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
  PUBLISHED(Title);
}

namespace {

constexpr std::array<std::pair<TOpenOption, DWORD>, 18> kOptionFlags{{
    {ofReadOnly, OFN_READONLY},
    {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
    {ofHideReadOnly, OFN_HIDEREADONLY},
    {ofNoChangeDir, OFN_NOCHANGEDIR},
    {ofNoValidate, OFN_NOVALIDATE},
    {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
    {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT},
    {ofPathMustExist, OFN_PATHMUSTEXIST},
    {ofFileMustExist, OFN_FILEMUSTEXIST},
    {ofCreatePrompt, OFN_CREATEPROMPT},
    {ofShareAware, OFN_SHAREAWARE},
    {ofNoReadOnlyReturn, OFN_NOREADONLYRETURN},
    {ofNoTestFileCreate, OFN_NOTESTFILECREATE},
    {ofNoNetworkButton, OFN_NONETWORKBUTTON},
    {ofNoDereferenceLinks, OFN_NODEREFERENCELINKS},
    {ofEnableSizing, OFN_ENABLESIZING},
    {ofDontAddToRecent, OFN_DONTADDTORECENT},
    {ofForceShowHidden, OFN_FORCESHOWHIDDEN},
}};

// Room for many names at once when several may be chosen.
constexpr size_t kNameBufferChars = 32 * 1024;

// An explorer-style result: one full path, or with several files the folder and then each name,
// every part ended by a NUL and the list by another.
std::vector<std::wstring> SplitResult(const std::vector<wchar_t>& Buffer) {
  std::vector<std::wstring> parts;
  const wchar_t* p = Buffer.data();
  const wchar_t* end = p + Buffer.size();
  while (p < end && *p) {
    std::wstring part(p);
    p += part.size() + 1;
    parts.push_back(std::move(part));
  }
  if (parts.size() <= 1) return parts;
  std::wstring folder = parts.front();
  if (folder.back() != L'\\') folder += L'\\';
  std::vector<std::wstring> files;
  for (size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
  return files;
}

}  // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

TStrings* TOpenDialog::Files() const { return FFiles.get(); }

bool TOpenDialog::DoExecute(HWND Owner) {
  const std::wstring filter = FileFilterToNative(FFilter);
  const std::wstring initialDir = Utf8ToWide(FInitialDir);
  const std::wstring defaultExt = Utf8ToWide(FDefaultExt);
  const std::wstring title = Utf8ToWide(FTitle);
  std::vector<wchar_t> names(kNameBufferChars, L'\0');
  const std::wstring current = Utf8ToWide(FFileName);
  if (current.size() < names.size()) std::copy(current.begin(), current.end(), names.begin());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = Owner;
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FFilterIndex > 0 ? FFilterIndex : 1);
  ofn.lpstrFile = names.data();
  ofn.nMaxFile = static_cast<DWORD>(names.size());
  ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  ofn.Flags = OFN_EXPLORER;
  for (const auto& [option, flag] : kOptionFlags)
    if (FOptions.Contains(option)) ofn.Flags |= flag;

  // False for a cancel and for a failure of the dialog alike: nothing was chosen either way.
  if (!GetOpenFileNameW(&ofn)) return false;

  const std::vector<std::wstring> files = SplitResult(names);
  if (files.empty()) return false;
  FFiles->BeginUpdate();
  FFiles->Clear();
  for (const std::wstring& file : files) FFiles->Add(WideToUtf8(file));
  FFiles->EndUpdate();
  FFileName = WideToUtf8(files.front());
  FFilterIndex = static_cast<int32_t>(ofn.nFilterIndex);
  // The dialog reports these two back.
  const std::pair<TOpenOption, DWORD> reported[] = {{ofReadOnly, OFN_READONLY},
                                                    {ofExtensionDifferent, OFN_EXTENSIONDIFFERENT}};
  for (const auto& [option, flag] : reported) {
    if (ofn.Flags & flag)
      FOptions.Include(option);
    else
      FOptions.Exclude(option);
  }
  return true;
}
