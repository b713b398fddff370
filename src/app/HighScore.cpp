#include "app/HighScore.h"

#include "platform/Windows.h"
#include "tlib/Exception.h"
#include "tlib/File.h"

namespace {

constexpr char16_t fileName[] = u"Highscore.dat";
// The new result is written beside the old file and replaces it only when it
// is complete, so a failed or interrupted write never loses the stored one.
constexpr char16_t replacementName[] = u"Highscore.dat.new";

}  // namespace

void CHighScore::Load() {
  try {
    tlib::TFile file(fileName, tlib::TFileMode::Read, true);
    bestSaved_ = file.ReadInt();
    bestSplatted_ = file.ReadInt();
    file.Close();
    hasHighScore_ = true;
  } catch (const tlib::TException&) {
    hasHighScore_ = false;
  }
}

void CHighScore::Report(int saved, int splatted) {
  if (hasHighScore_ && saved <= bestSaved_) return;
  hasHighScore_ = true;
  bestSaved_ = saved;
  bestSplatted_ = splatted;
  Store();
}

bool CHighScore::Get(int& saved, int& splatted) const {
  if (!hasHighScore_) return false;
  saved = bestSaved_;
  splatted = bestSplatted_;
  return true;
}

void CHighScore::Store() const {
  if (WriteReplacement() && MoveFileExW(WideText(replacementName), WideText(fileName),
                                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return;
  }
  DeleteFileW(WideText(replacementName));  // an incomplete or unused copy is of no use
}

bool CHighScore::WriteReplacement() const {
  try {
    tlib::TFile file(replacementName, tlib::TFileMode::Write, true);
    file.WriteInt(bestSaved_);
    file.WriteInt(bestSplatted_);
    file.Close();
    return true;
  } catch (const tlib::TException&) {
    return false;
  }
}
