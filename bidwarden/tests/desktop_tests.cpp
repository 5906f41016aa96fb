#include <gtest/gtest.h>
#include "platform/desktop/DesktopServices.h"

namespace bw {
namespace {

TEST(DesktopServices, RefuseWhatCannotWork) {
  QtSoundPlayer player;
  EXPECT_FALSE(player.playWave("/nonexistent/alert.wav"));
  DesktopShell shell;
  EXPECT_FALSE(shell.startProgram("/nonexistent/Updater", {}));
}

TEST(DesktopServices, SetInstallsEverythingAndRestores) {
  {
    DesktopServiceSet set;
    EXPECT_EQ(services().clock, &set.core.clock);
    EXPECT_EQ(services().http, &set.core.http);
    EXPECT_EQ(services().settings, &set.core.settings);
    EXPECT_EQ(services().sound, &set.sound);
    EXPECT_EQ(services().messageBox, &set.messageBox);
  }
  EXPECT_EQ(services().clock, nullptr);
  EXPECT_EQ(services().messageBox, nullptr);
}

}  // namespace
}  // namespace bw
