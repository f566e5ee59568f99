// The rules that rewrite the user-frame program, and the rewrite of a whole
// program on its bytes: every byte the rules do not change comes back as it was,
// whatever the program's encoding.
#pragma once

#include <QIODevice>
#include <QString>

namespace UserFrameDynProgram {

// The longest line, read or rewritten, and the most a rewrite may add to a
// program, in bytes: far beyond any real program, and small enough that a
// hostile one cannot exhaust the pendant's memory.
constexpr qint64 defaultLimit = qint64(64) << 20;

enum class LineResult { Unchanged, Changed, Refused };

// Applies the first rule that matches the line; a destination line changes
// wobj. Refused, with the line as it was, when the rewritten line would be
// longer than maxLength characters or its point would get numbers that are
// not finite.
LineResult transformLine(QString& line, int& wobj, qint64 maxLength);

// Rewrites the program read from `in` into `out`, starting with wobj at 0.
// Lines end at LF and keep their own ending (CRLF stays CRLF); a last line
// without one gets an LF. False, with `out` incomplete, when a line is longer
// than `limit` or the program would grow by more, when a line the rules act on
// holds a lone CR (its line ends cannot be told), when the program is UTF-16 or
// UTF-32, when a rule refuses, or when `out` takes not every byte.
bool rewrite(QIODevice& in, QIODevice& out, int& wobj, qint64 limit = defaultLimit);

}  // namespace UserFrameDynProgram
