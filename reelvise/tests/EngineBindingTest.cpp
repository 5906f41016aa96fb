// Binding the engine library and the program's forwarding factories.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/EngineBinding.h"
#include "core/ProgramFolder.h"

namespace {

class Binding : public ::testing::Test {
 protected:
  void TearDown() override { SetEngineFactories(nullptr, nullptr); }
};

TEST_F(Binding, UnboundFactoriesGiveNull) {
  SetEngineFactories(nullptr, nullptr);
  EXPECT_EQ(NEW_ENCODERY(), nullptr);
  EXPECT_EQ(NEW_00_ENCODERY(), nullptr);
}

TEST_F(Binding, MissingLibraryOrMissingFactoryFails) {
  EXPECT_FALSE(BindEngineFrom({"/nonexistent/libEncodery.so"}));
  EXPECT_FALSE(BindEngineFrom({ONE_FACTORY_LIBRARY}));
  EXPECT_EQ(NEW_ENCODERY(), nullptr);
}

TEST_F(Binding, TheEngineLibraryBindsAndItsObjectsComeThroughTheProgramsExports) {
  ASSERT_TRUE(BindEngineFrom({"/nonexistent/libEncodery.so", ENGINE_LIBRARY}));
  I_ENCODERY* engine = NEW_ENCODERY();
  ASSERT_NE(engine, nullptr);
  I_ENCODERY* other = NEW_ENCODERY();
  EXPECT_NE(engine, other);
  EXPECT_FALSE(engine->vtbl->OpenFile(engine, ""));
  engine->vtbl->Release(engine);
  other->vtbl->Release(other);
  EXPECT_NE(NEW_00_ENCODERY(), nullptr);
  EXPECT_EQ(NEW_00_ENCODERY(), NEW_00_ENCODERY());
}

TEST(ProgramFolder, HomeVariableWinsAndLosesItsTrailingSeparator) {
  setenv("REELVISE_HOME", "/opt/reelvise/", 1);
  EXPECT_EQ(programFolder(), "/opt/reelvise");
  unsetenv("REELVISE_HOME");
  EXPECT_EQ(programFolder(), BINARY_FOLDER);
  setCurrentSkinFolder("/x/SKIN3");
  EXPECT_EQ(currentSkinFolder(), "/x/SKIN3");
}

}  // namespace
