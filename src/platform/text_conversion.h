// The edge between the core's Windows-1252 bytes and Qt's QString. Qt code
// converts here and nowhere else.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace baltu::platform {

// Windows-1252 bytes to a QString.
QString fromCp1252(std::string_view cp1252);

// A QString to Windows-1252 bytes; characters without a Windows-1252 form become '?'.
std::string toCp1252(const QString& text);

}  // namespace baltu::platform
