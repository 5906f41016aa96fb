#pragma once
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace bw {

// The ordered keyed list. Filing ignores letter case, so a key occurs only
// once in that sense; Exists, Item and Remove compare exactly.
class MyDictionary {
 public:
  // Throws Error 457 (duplicate key) when the key is filed in any case.
  void Add(const QString& key, const QVariant& item);
  long Count() const { return static_cast<long>(keys_.size()); }
  bool Exists(const QString& key) const;
  // An invalid QVariant when the key is absent.
  QVariant Item(const QString& key) const;
  // 1-based; throws Error 9 "Subscript out of range" outside 1..Count.
  QString Key(long position) const;
  QStringList Keys() const { return keys_; }
  QList<QVariant> Items() const { return items_; }
  // Throws -2147221404 "Key not found in MyDictionary object." from
  // "MyDictionary" when no key is equal.
  void Remove(const QString& key);
  void RemoveAll();

 private:
  QStringList keys_;
  QList<QVariant> items_;
  QSet<QString> filed_;  // case-folded keys
};

}  // namespace bw
