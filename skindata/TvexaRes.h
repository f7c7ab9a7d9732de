#pragma once
class TvexaReader;

// Base of the resources cut, turned and recoloured from a skin once per skin change, so that
// painters never do that work per paint. The reader is not owned.
class TvexaRes {
public:
  virtual ~TvexaRes() = default;
  // Attaches Reader (may be null) and rebuilds.
  void SetReader(TvexaReader* Reader) {
    FReader = Reader;
    Rebuild();
  }
  TvexaReader* Reader() const { return FReader; }
  virtual void Rebuild() {}

protected:
  TvexaReader* FReader = nullptr;
};
