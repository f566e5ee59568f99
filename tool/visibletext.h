// Texts from the files the tool reads, fit to be printed: no control character
// reaches the engineer's terminal or the page, where ESC, CR or LF could
// forge lines or move the cursor, and a text of megabytes is cut short.
#pragma once

#include <QString>

namespace tool {

// C0 controls and DEL written as \x1b, C1 controls as \u009b; at most
// `longest` characters of the text, then "...".
QString visible(const QString& text, int longest = 200);
QString visible(const char* utf8, int longest = 200);

}  // namespace tool
