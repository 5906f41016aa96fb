#include "list/MyDictionary.h"
#include "core/Error.h"

namespace bw {

void MyDictionary::Add(const QString& key, const QVariant& item) {
  const QString folded = key.toCaseFolded();
  if (filed_.contains(folded)) throw Error(Error::DuplicateKey, QStringLiteral("MyDictionary"));
  filed_.insert(folded);
  keys_.append(key);
  items_.append(item);
}

bool MyDictionary::Exists(const QString& key) const { return keys_.contains(key); }

QVariant MyDictionary::Item(const QString& key) const {
  const qsizetype at = keys_.indexOf(key);
  return at < 0 ? QVariant() : items_[at];
}

QString MyDictionary::Key(long position) const {
  if (position < 1 || position > Count())
    throw Error(Error::SubscriptOutOfRange, QStringLiteral("MyDictionary"));
  return keys_[position - 1];
}

void MyDictionary::Remove(const QString& key) {
  const qsizetype at = keys_.indexOf(key);
  if (at < 0) throw Error(Error::KeyNotFound, QStringLiteral("MyDictionary"));
  filed_.remove(keys_[at].toCaseFolded());
  keys_.removeAt(at);
  items_.removeAt(at);
}

void MyDictionary::RemoveAll() {
  keys_.clear();
  items_.clear();
  filed_.clear();
}

}  // namespace bw
