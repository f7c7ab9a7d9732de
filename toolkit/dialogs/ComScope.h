#pragma once

// COM for the calling thread for as long as the object lives: the shell's folder browser and
// ShellExecuteEx need an apartment. A thread that already has one keeps it (and its mode).
class TComScope {
public:
  TComScope();
  ~TComScope();
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;

private:
  bool FMustUninitialize;
};
