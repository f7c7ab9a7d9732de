#include "ShortCut.h"

#include <array>
#include <utility>

#include "TextHelpers.h"

namespace {

struct TKeyName {
  WORD Key;
  const char* Name;
};

// Keys whose name is not simply their character. Letters, digits and function keys are made below.
constexpr std::array<TKeyName, 36> kNamedKeys{{
    {VK_BACK, "BkSp"},     {VK_TAB, "Tab"},         {VK_RETURN, "Enter"},     {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},   {VK_PRIOR, "PgUp"},      {VK_NEXT, "PgDn"},        {VK_END, "End"},
    {VK_HOME, "Home"},     {VK_LEFT, "Left"},       {VK_UP, "Up"},            {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},     {VK_INSERT, "Ins"},      {VK_DELETE, "Del"},       {VK_PAUSE, "Pause"},
    {VK_MULTIPLY, "Num *"}, {VK_ADD, "Num +"},      {VK_SUBTRACT, "Num -"},   {VK_DECIMAL, "Num ."},
    {VK_DIVIDE, "Num /"},  {VK_OEM_1, ";"},         {VK_OEM_PLUS, "="},       {VK_OEM_COMMA, ","},
    {VK_OEM_MINUS, "-"},   {VK_OEM_PERIOD, "."},    {VK_OEM_2, "/"},          {VK_OEM_3, "`"},
    {VK_OEM_4, "["},       {VK_OEM_5, "\\"},        {VK_OEM_6, "]"},          {VK_OEM_7, "'"},
    {VK_APPS, "Menu"},     {VK_SNAPSHOT, "PrtScr"}, {VK_SCROLL, "ScrollLock"}, {VK_CAPITAL, "CapsLock"},
}};

std::string KeyName(WORD Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return std::string(1, static_cast<char>(Key));
  if (Key >= VK_F1 && Key <= VK_F24) return std::string("F") + std::to_string(Key - VK_F1 + 1);
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return std::string("Num ") + std::to_string(Key - VK_NUMPAD0);
  for (const TKeyName& k : kNamedKeys)
    if (k.Key == Key) return k.Name;
  return {};
}

bool StartsWithText(std::string_view Text, std::string_view Prefix) {
  return Text.size() >= Prefix.size() && SameText(Text.substr(0, Prefix.size()), Prefix);
}

WORD KeyFromName(std::string_view Name) {
  if (Name.empty()) return 0;
  // Names are few: asking each key for its name keeps one table for both directions.
  for (WORD key = 1; key <= 0xFF; ++key) {
    const std::string name = KeyName(key);
    if (!name.empty() && SameText(name, Name)) return key;
  }
  return 0;
}

}  // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift) {
  if (Key == 0 || Key > 0xFF) return scNone;
  TShortCut result = Key;
  if (Shift.Contains(ssShift)) result |= scShift;
  if (Shift.Contains(ssCtrl)) result |= scCtrl;
  if (Shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut Value, WORD& Key, TShiftState& Shift) {
  Key = Value & 0xFF;
  Shift = {};
  if (Value & scShift) Shift.Include(ssShift);
  if (Value & scCtrl) Shift.Include(ssCtrl);
  if (Value & scAlt) Shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut Value) {
  const std::string name = KeyName(Value & 0xFF);
  if (name.empty()) return {};
  std::string result;
  if (Value & scShift) result += "Shift+";
  if (Value & scCtrl) result += "Ctrl+";
  if (Value & scAlt) result += "Alt+";
  return result + name;
}

TShortCut TextToShortCut(std::string_view Text) {
  constexpr std::array<std::pair<std::string_view, TShortCut>, 3> kModifiers{{
      {"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}}};
  TShortCut modifiers = 0;
  bool found = true;
  // A key name of its own may end in "+" ("Num +"), so only leading modifiers are taken off.
  while (found) {
    found = false;
    for (const auto& [prefix, bit] : kModifiers) {
      if (Text.size() > prefix.size() && StartsWithText(Text, prefix)) {
        modifiers |= bit;
        Text.remove_prefix(prefix.size());
        found = true;
      }
    }
  }
  const WORD key = KeyFromName(Text);
  return key ? static_cast<TShortCut>(key | modifiers) : scNone;
}
