#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>

#include "ApplicationRun.h"
#include "ScratchFolder.h"
#include "app/ErrorReport.h"
#include "platform/testing/HeadlessControls.h"
#include "tlib/Exception.h"

namespace fs = std::filesystem;

namespace {

// The game as its entry runs it: it plays until it needs the file that is
// missing.
void Play() {
  ApplicationRun run(1);
  run.ThenStartGame();
  run.ThenDo([] { platform_test::InjectKeyDown(VK_ESCAPE); });
  run.Play();
}

TEST(ErrorReportDeathTest, AFatalErrorEndsTheProcessWithStatus1AfterOneLine) {
  // Each error ends a child process forked from this one, which has no other
  // thread; the program's threads start in the child.
  GTEST_FLAG_SET(death_test_style, "fast");
  ScratchFolder folder;
  const struct {
    const char* missingFile;  // from Data\, or null
    std::function<void()> run;
    const char* report;  // all of standard error
  } errors[] = {
      // while the preloader's thread loads
      {"Splat.wav", Play, "^Marrowick: Failed to open file \\(Data\\\\Splat\\.wav\\)\n$"},
      // when the first game starts
      {"Road7.bmp", Play, "^Marrowick: LoadImage\\(\\) failed \\(Data\\\\Road7\\.bmp\\)\n$"},
      {nullptr, [] { throw tlib::TException(u"Gr\u00fcn \u2013 failed"); },
       "^Marrowick: Gr\xc3\xbcn \xe2\x80\x93 failed\n$"},
      {nullptr, [] { throw std::bad_alloc(); }, "^Marrowick: std::bad_alloc\n$"},
  };
  for (const auto& error : errors) {
    if (error.missingFile != nullptr) {
      fs::remove_all("Data");
      CopyGameData(folder.Path());
      fs::remove(fs::path("Data") / error.missingFile);
    }
    EXPECT_EXIT(RunOrExitWithReport(error.run), testing::ExitedWithCode(1), error.report)
        << error.report;
  }
}

}  // namespace
