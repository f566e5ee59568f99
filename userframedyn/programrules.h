// The rules that rewrite the user-frame program, and the rewrite of a whole
// program on its bytes: every byte the rules do not change comes back as it was,
// whatever the program's encoding.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <array>

namespace Positioner {

// Dynamic work objects 1 to 5 follow positioners 1 to 5; positioners 6 to 10
// have none in the program.
constexpr int dynamicWorkObjects = 5;

// What the rules put into a program, made once for the whole of it: the date
// comment, and the user frame of each dynamic work object's positioner as its
// point's numbers (null when a value is not finite: the controller could not
// read it).
struct Replacements
{
    QString dateComment;
    std::array<QString, dynamicWorkObjects> pointNumbers;
};

enum class LineResult { Unchanged, Changed, Refused };

// Applies the first rule that matches the line; a destination line changes
// wobj. Refused, with the line as it was, when the rewritten line would be
// longer than maxLength characters or its point would get numbers that are
// not finite.
LineResult transformLine(QString& line, int& wobj, const Replacements& with, qint64 maxLength);

// Records why the rules refused a line of the program (line, from 1) while
// wobj was in force: its frame's numbers are not finite, or the program would
// grow by more than growthLimit bytes. The program's name is the caller's to give.
void recordRefusal(const Replacements& with, int wobj, qint64 line, qint64 growthLimit);

// Writes the rewritten program to `out`, starting with wobj at 0. Lines end at
// LF and keep their own ending (CRLF stays CRLF); a last line without one gets
// an LF. False, with what was written incomplete, when the program would grow
// by more than `growthLimit` bytes, when a line the rules act on holds a lone
// CR (its line ends cannot be told), when the program is UTF-16 or UTF-32, or
// when a rule refuses: the reason is recorded without the program's name. Also
// false, recording nothing, when a write to `out` fails: the device knows why.
bool rewrite(const QByteArray& program, QIODevice& out, int& wobj, const Replacements& with, qint64 growthLimit);

}  // namespace Positioner
