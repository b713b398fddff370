#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>

#include "GameData.h"
#include "Player.h"
#include "ScratchFolder.h"
#include "app/ErrorReport.h"
#include "tlib/Exception.h"

namespace {

// The game as its entry runs it, with one data file missing: it plays until
// it needs that file.
void PlayWithout(const char* file) {
  std::filesystem::remove(std::filesystem::path("Data") / file);
  Player player(1);
  player.ThenWaitForTitleScreen();
  player.ThenStartGame();
  player.Run().ThenDo([&] { player.PressEscape(); });
  RunOrExitWithReport([&] { player.Run().Play(); });
}

struct FatalError {
  const char* what;
  std::function<void()> run;
  const char* report;  // all of standard error
};

class ErrorReportDeathTest : public testing::Test {
 protected:
  void SetUp() override { CopyGameData(folder_.Path()); }

  ScratchFolder folder_;
};

TEST_F(ErrorReportDeathTest, AFatalErrorEndsTheProcessWithStatus1AfterOneLine) {
  // A fresh process for each: the program's threads do not survive a fork.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const FatalError errors[] = {
      {"a sound missing while the preloader's thread loads", [] { PlayWithout("Splat.wav"); },
       "^Marrowick: Failed to open file \\(Data\\\\Splat\\.wav\\)\n$"},
      {"a picture missing when the first game starts", [] { PlayWithout("Road7.bmp"); },
       "^Marrowick: LoadImage\\(\\) failed \\(Data\\\\Road7\\.bmp\\)\n$"},
      {"an error that no file caused",
       [] { RunOrExitWithReport([] { throw tlib::TException(u"Gr\u00fcn \u2013 failed"); }); },
       "^Marrowick: Gr\xc3\xbcn \xe2\x80\x93 failed\n$"},
      {"running out of memory", [] { RunOrExitWithReport([] { throw std::bad_alloc(); }); },
       "^Marrowick: std::bad_alloc\n$"},
  };
  for (const FatalError& error : errors) {
    EXPECT_EXIT(error.run(), testing::ExitedWithCode(1), error.report) << error.what;
  }
}

}  // namespace
