#pragma once
#include <string>
#include <string_view>

#include "Persistent.h"

class TReader;
class TWriter;

// A list of strings, each with an attached object pointer (not owned), and the operations built on
// the storage a descendant supplies: name=value lines, text, comma text, search, copying. Lines and
// names compare without regard to ASCII letter case unless a descendant says otherwise. In a form
// resource the lines are stored as the defined property "Strings"; the objects are not stored.
class TStrings : public TPersistent {
  VEXA_CLASS(TStrings, TPersistent)

public:
  // Text joins the lines with this, after every line, on every platform (the product is Win32).
  static constexpr std::string_view LineBreak = "\r\n";

  // Storage, supplied by descendants.
  virtual int Count() const = 0;
  virtual std::string Strings(int Index) const = 0;
  virtual void SetStrings(int Index, const std::string& S);  // keeps the line's object
  virtual TObject* Objects(int Index) const;                  // null unless the descendant stores them
  virtual void SetObjects(int Index, TObject* AObject);
  virtual void InsertObject(int Index, const std::string& S, TObject* AObject) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;

  // Built on the above.
  virtual int AddObject(const std::string& S, TObject* AObject);
  int Add(const std::string& S) { return AddObject(S, nullptr); }
  void Insert(int Index, const std::string& S) { InsertObject(Index, S, nullptr); }
  void AddStrings(const TStrings& Source);
  void Move(int CurIndex, int NewIndex);

  virtual int IndexOf(std::string_view S) const;
  int IndexOfName(std::string_view Name) const;
  int IndexOfObject(const TObject* AObject) const;

  // "Name=Value" lines: the name is the text before the first '='; a line without one has none.
  std::string Names(int Index) const;
  std::string ValueFromIndex(int Index) const;
  std::string Values(std::string_view Name) const;  // empty when no line has that name
  // Replaces the value of the first line with that name, adds a line, or with an empty value
  // deletes the line.
  void SetValue(std::string_view Name, std::string_view Value);

  // Every line followed by LineBreak. Setting splits at CR LF, LF or CR; a final break ends the last
  // line rather than starting an empty one.
  std::string Text() const;
  void SetText(std::string_view Value);
  // Lines separated by commas; a line that is empty or holds a space, control character, comma or
  // double quote is quoted, with quotes doubled. Setting also splits at unquoted spaces.
  std::string CommaText() const;
  void SetCommaText(std::string_view Value);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  bool Equals(const TStrings& Other) const;  // same lines, exactly
  // From another TStrings: its lines and objects.
  void Assign(const TPersistent* Source) override;

protected:
  // Called when the first BeginUpdate starts (true) and the last EndUpdate ends (false).
  virtual void SetUpdateState(bool Updating);
  virtual int CompareStrings(std::string_view A, std::string_view B) const;
  void DefineProperties(TFiler& Filer) override;
  [[noreturn]] void IndexError(int Index) const;

private:
  void ReadLines(TReader& Reader);
  void WriteLines(TWriter& Writer) const;
  int FUpdateCount = 0;
};
