#pragma once
#include <string>
#include <vector>

#include "Strings.h"

class TControl;

// The lines of a memo as a TStrings: they are read from and written to the control's text (lines
// separated by CR LF), so the window and the list never disagree. Between BeginUpdate and
// EndUpdate the lines are worked on in memory and written back once at the end.
class TMemoLines : public TStrings {
  VEXA_CLASS(TMemoLines, TStrings)

public:
  explicit TMemoLines(TControl& Memo) : FMemo(Memo) {}

  int Count() const override;
  std::string Strings(int Index) const override;
  void SetStrings(int Index, const std::string& S) override;
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;

protected:
  void SetUpdateState(bool Updating) override;

private:
  std::vector<std::string> Read() const;
  void Write(const std::vector<std::string>& Lines);

  TControl& FMemo;
  bool FBuffered = false;
  std::vector<std::string> FBuffer;
};
