#pragma once

// What a property editor may ask of the form designer that runs it.
class IDesigner {
public:
  // The edited form changed: the designer marks it unsaved and refreshes what shows it.
  virtual void Modified() = 0;

protected:
  ~IDesigner() = default;
};
