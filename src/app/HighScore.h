// The best result: the most frogs saved in one game, with the number splatted
// in that same game. It is kept in "Highscore.dat" in the current folder as two
// 32-bit little-endian integers (saved, then splatted).
#pragma once

class CHighScore {
 public:
  // Reads the stored best result. A missing, short or unreadable file means
  // that no best result is known; bytes after the first eight are ignored.
  void Load();

  // A finished game's result becomes the best one when none is known yet or
  // when it saved strictly more frogs; the new best result is then stored.
  // If storing fails, the new best result stays in memory and the old file
  // stays as it was.
  void Report(int saved, int splatted);

  // True, with the counts, once a best result is known.
  bool Get(int& saved, int& splatted) const;

 private:
  void Store() const;
  bool WriteReplacement() const;

  bool hasHighScore_ = false;
  int bestSaved_ = 0;
  int bestSplatted_ = 0;
};
