#pragma once
// Conversions at the window boundary: core texts are UTF-8 std::string.
#include <QLocale>
#include <QString>
#include <string>

#include "platform/LocaleFormat.h"

namespace ked {

inline QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string S(const QString& text) { return text.toStdString(); }

// The user's conventions as core formats them.
LocaleFormat LocaleFormatFrom(const QLocale& locale);

// Line breaks written "\r" or "\r\n" in the program's texts, as Qt shows them.
QString DisplayText(const std::string& text);

}  // namespace ked
