#pragma once
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <vector>
#include "core/ProcessState.h"
#include "platform/Services.h"

namespace bw::test {

// A clock that stands still until moved. Starts at 2003-12-09 18:16:05 UTC
// in the UTC zone.
class FakeClock final : public IClock {
 public:
  std::int64_t utcNowMs() const override { return utcMs_ + correction_; }
  QTimeZone localZone() const override { return zone_; }
  std::int64_t correctionMs() const override { return correction_; }
  void setCorrectionMs(std::int64_t c) override { correction_ = c; }

  void setUtcMs(std::int64_t ms) { utcMs_ = ms; }
  void advanceMs(std::int64_t ms) { utcMs_ += ms; }
  void setZone(const QTimeZone& zone) { zone_ = zone; }
  // Sets the raw UTC time so that the local time in the zone reads as given.
  void setLocal(int year, int month, int day, int hour, int minute, int second);

 private:
  std::int64_t utcMs_ = 1070993765000;  // 2003-12-09T18:16:05Z
  std::int64_t correction_ = 0;
  QTimeZone zone_ = QTimeZone::utc();
};

// Answers from a script, in order; records every request. With an empty
// script every request is "not opened".
class FakeHttpClient final : public IHttpClient {
 public:
  HttpResponse perform(const HttpRequest& request) override;
  void enqueue(HttpResponse response) { script_.push_back(std::move(response)); }
  void enqueueBody(const QByteArray& body, long status = 200);
  void enqueueNotOpened();
  const std::vector<HttpRequest>& requests() const { return requests_; }

 private:
  std::deque<HttpResponse> script_;
  std::vector<HttpRequest> requests_;
};

class MemorySettingsStore final : public ISettingsStore {
 public:
  bool contains(const QString& section, const QString& key) const override;
  QString value(const QString& section, const QString& key,
                const QString& fallback) const override;
  void setValue(const QString& section, const QString& key, const QString& value) override;
  void remove(const QString& section, const QString& key) override;
  // Section/key of every stored value, for checks.
  QStringList storedKeys() const;
  // Makes every write fail with std::runtime_error (a store that refuses).
  void setFailWrites(bool fail) { failWrites_ = fail; }

 private:
  QMap<QString, QString> values_;  // "section/key"
  bool failWrites_ = false;
};

class FakeSoundPlayer final : public ISoundPlayer {
 public:
  bool playWave(const QString& path) override {
    played.push_back(path);
    return result;
  }
  QStringList played;
  bool result = true;
};

class FakeBeep final : public IBeep {
 public:
  void beep() override { ++count; }
  int count = 0;
};

class FakeShell final : public IShell {
 public:
  bool openUrl(const QString& address) override {
    opened.push_back(address);
    return result;
  }
  QString programForType(const QString& mimeType) override { return programs.value(mimeType); }
  bool startProgram(const QString& program, const QStringList& arguments) override {
    started.push_back(QStringList{program} + arguments);
    return result;
  }
  QStringList opened;
  QList<QStringList> started;
  QMap<QString, QString> programs;
  bool result = true;
};

class RecordingMessageBox final : public IMessageBox {
 public:
  struct Shown {
    QString text;
    Buttons buttons;
    Icon icon;
    QString title;
  };
  Answer show(const QString& text, Buttons buttons, Icon icon, const QString& title) override {
    shown.push_back({text, buttons, icon, title});
    return answer;
  }
  std::vector<Shown> shown;
  Answer answer = Answer::Ok;
};

// Everything a logic test needs: every service replaced by a double, the
// en_US locale, a fresh process state whose data folder (gstrPath) is a new
// temporary folder. Restores all of it when it ends.
class TestEnvironment {
 public:
  explicit TestEnvironment(const LocaleInfo& locale = LocaleInfo::enUS());
  ~TestEnvironment();

  FakeClock clock;
  FakeHttpClient http;
  MemorySettingsStore settings;
  FixedLocale locale;
  FakeSoundPlayer sound;
  FakeBeep beep;
  FakeShell shell;
  RecordingMessageBox messageBox;

  const QString& dataFolder() const { return dataFolder_; }
  // The log's lines (CR LF removed), empty when there is no log.
  QStringList logLines() const;
  // The messages of the log's lines, that is each line from character 53.
  QStringList logMessages() const;
  // Installs another locale for the rest of the test.
  void setLocale(const LocaleInfo& info);

 private:
  QTemporaryDir dir_;
  QString dataFolder_;
  std::unique_ptr<ScopedServices> services_;
  std::unique_ptr<ScopedProcessState> state_;
};

}  // namespace bw::test
