#include "core/FileInfoText.h"

#include <QFile>
#include <QFileInfo>

#include "core/EngineBinding.h"

FileInfoAnswer QueryFileInfo(const QString& path, ENCODERY_FACTORY factory) {
  FileInfoAnswer answer;
  I_ENCODERY* engine = factory != nullptr ? factory() : NEW_ENCODERY();
  if (engine == nullptr) return answer;
  const QByteArray name = path.toUtf8();
  if (engine->vtbl->OpenFile(engine, name.constData())) {
    const char* text = engine->vtbl->GetFileInfo(engine);
    answer.engineText = QString::fromUtf8(text != nullptr ? text : "");
    answer.outcome = FileInfoOutcome::Described;
    engine->vtbl->CloseFile(engine);
  } else {
    answer.outcome = FileInfoOutcome::Refused;
  }
  engine->vtbl->Release(engine);
  return answer;
}

qint64 FileSizeForInfo(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  file.seek(file.size());
  return file.pos();
}

QStringList FileInfoLines(const QString& path, const QString& engineText) {
  const QString rule(14, '-');
  return {QStringLiteral("Notice:"),
          QStringLiteral("    You can send Email to us about the information,"),
          QStringLiteral("    if the file can not be converted !"),
          rule + "  " + kSupportAddress + "  " + rule,
          QStringLiteral("File Name: ") + QFileInfo(path).fileName(),
          QString(),
          QStringLiteral("File Size: ") + QString::number(FileSizeForInfo(path)),
          QString(),
          engineText};
}
