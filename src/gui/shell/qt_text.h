// The core's UTF-8 texts as Qt strings and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zelvo::gui {

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string utf8Text(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace zelvo::gui
