// Text conversion at the Qt boundary: the program's Windows-1252 bytes to
// and from QString. Only platform/ includes this.
#pragma once

#include <QString>
#include <string>

#include "core/text.h"

namespace qm::platform {

inline QString ToQt(const std::string& text) { return QString::fromUtf8(Cp1252ToUtf8(text).c_str()); }
inline std::string FromQt(const QString& text) { return Utf8ToCp1252(text.toUtf8().toStdString()); }

}  // namespace qm::platform
