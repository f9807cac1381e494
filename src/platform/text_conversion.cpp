#include "platform/text_conversion.h"

#include "store/text.h"

namespace baltu::platform {

QString fromCp1252(std::string_view cp1252) {
  const std::string utf8 = store::toUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toCp1252(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return store::cp(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace baltu::platform
