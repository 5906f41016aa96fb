// Mode table, file filters, the output-name rule, centring, the information
// window's lines and the information request's calls.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "EngineDouble.h"
#include "core/ConversionModes.h"
#include "core/FileInfoText.h"

namespace {

TEST(ModeTable, GivesTitleFiltersAndExtension) {
  struct Row {
    int mode;
    const char* title;
    const char* open;
    const char* save;
    const char* extension;
  };
  const Row rows[] = {
      {0, "AVI to MPG1", "*.avi|*.avi|*.*|*.*", "*.mpg|*.mpg|*.*|*.*", "mpg"},
      {2, "AVI to MPG2", "*.avi|*.avi|*.*|*.*", "*.mpg|*.mpg|*.*|*.*", "mpg"},
      {1, "AVI to VCD", "*.avi|*.avi|*.*|*.*", "*.mpg|*.mpg|*.*|*.*", "mpg"},
      {4, "AVI to DVD", "*.avi|*.avi|*.*|*.*", "*.mpg|*.mpg|*.*|*.*", "mpg"},
      {3, "AVI to SVCD", "*.avi|*.avi|*.*|*.*", "*.mpg|*.mpg|*.*|*.*", "mpg"},
      {101, "ALL to DivX", "*.*|*.*", "*.avi|*.avi|*.*|*.*", "avi"},
      {100, "ALL to AVI", "*.*|*.*", "*.avi|*.avi|*.*|*.*", "avi"},
  };
  for (const Row& row : rows) {
    const auto mode = findConversionMode(row.mode);
    ASSERT_TRUE(mode) << row.mode;
    EXPECT_EQ(mode->title, row.title);
    EXPECT_EQ(mode->openFilter, row.open);
    EXPECT_EQ(mode->saveFilter, row.save);
    EXPECT_EQ(mode->defaultExtension, row.extension);
  }
  for (int unknown : {-1, 5, 99, 102}) EXPECT_FALSE(findConversionMode(unknown)) << unknown;
}

TEST(ModeTable, FiltersBecomeFileDialogFilters) {
  EXPECT_EQ(fileDialogFilter("*.avi|*.avi|*.*|*.*"), "*.avi (*.avi);;*.* (*.*)");
  EXPECT_EQ(fileDialogFilter("*.*|*.*"), "*.* (*.*)");
}

TEST(OutputName, FollowsTheTitlesFirstThreeLetters) {
  struct Row {
    const char* title;
    bool exists;
    std::optional<QString> proposed;
  };
  const Row rows[] = {
      {"AVI to MPG1", true, QString("/v/a.avi.mpg")}, {"ALL to DivX", true, QString("/v/a.avi.avi")},
      {"ALL to AVI", true, QString("/v/a.avi.avi")},  {"avi to dvd", true, QString("/v/a.avi.mpg")},
      {"AVI to SVCD", false, std::nullopt},            {"Any title", true, std::nullopt},
  };
  for (const Row& row : rows)
    EXPECT_EQ(proposedOutputName(row.title, "/v/a.avi", row.exists), row.proposed) << row.title;
}

TEST(Centring, HalvesAreTruncatedTowardZero) {
  EXPECT_EQ(centredTopLeft(QRect(100, 50, 401, 301), QSize(320, 120)), QPoint(100 + 200 - 160, 50 + 150 - 60));
  EXPECT_EQ(centredTopLeft(QRect(-7, -3, 5, 5), QSize(3, 3)), QPoint(-7 + 2 - 1, -3 + 2 - 1));
}

TEST(FileInfoWindow, StartsWithTheNoticeThenNameSizeAndEngineText) {
  QTemporaryDir dir;
  const QString path = dir.filePath("clip.avi");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(1234, 'x'));
  file.close();
  const QStringList lines = FileInfoLines(path, "Container: avi\nDuration: 00:00:02.00");
  ASSERT_EQ(lines.size(), 9);
  EXPECT_EQ(lines[0], "Notice:");
  EXPECT_EQ(lines[1], "    You can send Email to us about the information,");
  EXPECT_EQ(lines[2], "    if the file can not be converted !");
  EXPECT_EQ(lines[3], QString(14, '-') + "  " + kSupportAddress + "  " + QString(14, '-'));
  EXPECT_EQ(lines[4], "File Name: clip.avi");
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6], "File Size: 1234");
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(lines[8], "Container: avi\nDuration: 00:00:02.00");

  const QStringList empty = FileInfoLines(dir.filePath("gone.avi"), "");
  EXPECT_EQ(empty.mid(0, 4), lines.mid(0, 4));
  EXPECT_EQ(empty[6], "File Size: -1");
  EXPECT_EQ(empty[8], "");
}

TEST(FileInfoRequest, UsesAnObjectOfItsOwnAndReleasesItOnEveryPath) {
  engine_double::reset();
  FileInfoAnswer described = QueryFileInfo("a.avi", &engine_double::factory);
  EXPECT_EQ(described.outcome, FileInfoOutcome::Described);
  EXPECT_EQ(described.engineText, QString::fromStdString(engine_double::script().info));
  EXPECT_EQ(engine_double::calls(), (std::vector<std::string>{"OpenFile(a.avi)#1", "GetFileInfo#1",
                                                              "CloseFile#1", "Release#1"}));
  engine_double::script().open = false;
  EXPECT_EQ(QueryFileInfo("b.avi", &engine_double::factory).outcome, FileInfoOutcome::Refused);
  EXPECT_EQ(engine_double::calls().back(), "Release#2");
  EXPECT_EQ(engine_double::calls().size(), 6u);
  engine_double::script().factoryGivesNull = true;
  EXPECT_EQ(QueryFileInfo("c.avi", &engine_double::factory).outcome, FileInfoOutcome::NoEngine);
}

}  // namespace
