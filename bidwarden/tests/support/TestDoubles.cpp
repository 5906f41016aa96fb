#include "support/TestDoubles.h"
#include <QFile>
#include <stdexcept>
#include "platform/Cp1252.h"
#include "settings/LogIt.h"

namespace bw::test {

void FakeClock::setLocal(int year, int month, int day, int hour, int minute, int second) {
  const QDateTime local(QDate(year, month, day), QTime(hour, minute, second), zone_);
  utcMs_ = local.toMSecsSinceEpoch() - correction_;
}

HttpResponse FakeHttpClient::perform(const HttpRequest& request) {
  requests_.push_back(request);
  if (script_.empty()) return HttpResponse{};
  HttpResponse next = std::move(script_.front());
  script_.pop_front();
  return next;
}

void FakeHttpClient::enqueueBody(const QByteArray& body, long status) {
  HttpResponse r;
  r.opened = true;
  r.status = status;
  r.body = body;
  script_.push_back(std::move(r));
}

void FakeHttpClient::enqueueNotOpened() { script_.push_back(HttpResponse{}); }

namespace {
QString path(const QString& section, const QString& key) { return section + '/' + key; }
}  // namespace

bool MemorySettingsStore::contains(const QString& section, const QString& key) const {
  return values_.contains(path(section, key));
}
QString MemorySettingsStore::value(const QString& section, const QString& key,
                                   const QString& fallback) const {
  return values_.value(path(section, key), fallback);
}
void MemorySettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
  if (failWrites_) throw std::runtime_error("settings store refuses writes");
  values_.insert(path(section, key), value);
}
void MemorySettingsStore::remove(const QString& section, const QString& key) {
  values_.remove(path(section, key));
}
QStringList MemorySettingsStore::storedKeys() const { return values_.keys(); }

TestEnvironment::TestEnvironment(const LocaleInfo& info) : locale(info) {
  if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
  dataFolder_ = dir_.path() + '/';
  Services doubles;
  doubles.clock = &clock;
  doubles.http = &http;
  doubles.settings = &settings;
  doubles.locale = &locale;
  doubles.sound = &sound;
  doubles.beep = &beep;
  doubles.shell = &shell;
  doubles.messageBox = &messageBox;
  services_ = std::make_unique<ScopedServices>(doubles);
  state_ = std::make_unique<ScopedProcessState>(dataFolder_);
}

TestEnvironment::~TestEnvironment() = default;

void TestEnvironment::setLocale(const LocaleInfo& info) { locale = FixedLocale(info); }

QStringList TestEnvironment::logLines() const {
  QFile file(logFilePath());
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = fromCp1252(file.readAll()).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

QStringList TestEnvironment::logMessages() const {
  QStringList messages;
  for (const QString& line : logLines()) messages << line.mid(52);
  return messages;
}

}  // namespace bw::test
