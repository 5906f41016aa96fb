#include <QSettings>
#include "platform/SettingsStore.h"

namespace bw {
namespace {
QString path(const QString& section, const QString& key) { return section + '/' + key; }
}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Quorvin"), QStringLiteral("BidWarden"))) {}

QSettingsStore::QSettingsStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::NativeFormat)) {}

QSettingsStore::~QSettingsStore() = default;

bool QSettingsStore::contains(const QString& section, const QString& key) const {
  return settings_->contains(path(section, key));
}

QString QSettingsStore::value(const QString& section, const QString& key,
                              const QString& fallback) const {
  const QVariant v = settings_->value(path(section, key));
  return v.isValid() ? v.toString() : fallback;
}

void QSettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
  settings_->setValue(path(section, key), value);
  settings_->sync();
}

void QSettingsStore::remove(const QString& section, const QString& key) {
  settings_->remove(path(section, key));
  settings_->sync();
}

QString QSettingsStore::fileName() const { return settings_->fileName(); }

}  // namespace bw
