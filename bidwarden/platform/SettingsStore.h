#pragma once
#include <QString>
#include <memory>

class QSettings;

namespace bw {

// The per-user settings store: one group per section, every value a string.
class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;
  virtual bool contains(const QString& section, const QString& key) const = 0;
  // The stored value, or `fallback` when there is none.
  virtual QString value(const QString& section, const QString& key,
                        const QString& fallback) const = 0;
  virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
  virtual void remove(const QString& section, const QString& key) = 0;
};

// QSettings, organisation "Quorvin", application "BidWarden", native format.
class QSettingsStore final : public ISettingsStore {
 public:
  QSettingsStore();
  // A store in an explicit file (native format), for tools and tests.
  explicit QSettingsStore(const QString& fileName);
  ~QSettingsStore() override;
  bool contains(const QString& section, const QString& key) const override;
  QString value(const QString& section, const QString& key,
                const QString& fallback) const override;
  void setValue(const QString& section, const QString& key, const QString& value) override;
  void remove(const QString& section, const QString& key) override;
  QString fileName() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace bw
