#include "failurerecord.h"

#include <QCoreApplication>

#include <cstring>
#include <iterator>

namespace PositionerDiagnostics {

namespace {

// One record per thread: the library runs on the host's user-interface thread,
// and a call made elsewhere must not change what that thread reads.
struct State
{
    Failure failure;
    const char* operation = nullptr;
    int depth = 0;
};

thread_local State state;

void forget()
{
    // A success path finds nothing to free, so it costs a comparison.
    if (state.failure.step != Step::None || state.failure.operation)
        state.failure = Failure();
}

// Each step's sentence, in the order of Step. Its placeholders take the
// fields named by the letters, in turn: s the subject, v the value, n the
// minimum, x the maximum, l the line, o the offset.
struct Sentence
{
    const char* text;
    const char* fields;
};

const Sentence sentences[] = {
    {"", ""},
    {QT_TRANSLATE_NOOP("QObject", "%1 is %2, outside %3 to %4"), "svnx"},
    {QT_TRANSLATE_NOOP("QObject", "the path %1 holds a NUL character"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "%1 is not a regular file"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "%1 holds a value that is not a finite number"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "%1 did not answer within %2 ms"), "sv"},
    {QT_TRANSLATE_NOOP("QObject", "the controller was switched away from positioner %1 after each of %2 requests"),
     "vx"},
    {QT_TRANSLATE_NOOP("QObject", "the transfer service did not fetch %1 from the controller"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "the transfer service did not send %1 to the controller"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "cannot open %1"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "cannot read %1"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "%1 is not well-formed XML at line %2 (offset %3)"), "slo"},
    {QT_TRANSLATE_NOOP("QObject", "cannot write %1"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "cannot replace %1"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "%1 would grow by more than %2 bytes at line %3"), "sxl"},
    {QT_TRANSLATE_NOOP("QObject", "line %1 of %2 holds a CR that ends no line"), "ls"},
    {QT_TRANSLATE_NOOP("QObject", "%1 is encoded in UTF-16 or UTF-32"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "the editor refused write mode for %1"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "the open program declares no variable %1"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "%1 is a constant of the open program"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "the editor refused to make %1 the active work object"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "the editor refused to register %1 as a dynamic reference system"), "s"},
    {QT_TRANSLATE_NOOP("QObject", "point %1 failed the plausibility check (result %2)"), "vx"},
    {QT_TRANSLATE_NOOP("QObject", "%1 is %2 bytes, more than the %3 bytes allowed"), "svx"},
    {QT_TRANSLATE_NOOP("QObject", "there was not enough memory"), ""},
};
static_assert(std::size(sentences) == std::size_t(Step::OutOfMemory) + 1, "one sentence for every step");

QString stepSentence(const Failure& f)
{
    const auto step = std::size_t(f.step);
    if (step >= std::size(sentences))
        return QString();
    // Looked up in the context QObject, as the library's message boxes are.
    QString text = QCoreApplication::translate("QObject", sentences[step].text);
    for (const char* field = sentences[step].fields; *field; ++field) {
        switch (*field) {
        // A NUL would end the sentence wherever the host shows it.
        case 's': text = text.arg(QString(f.subject).replace(QChar(0), QLatin1String("\\0"))); break;
        case 'v': text = text.arg(f.value); break;
        case 'n': text = text.arg(f.minimum); break;
        case 'x': text = text.arg(f.maximum); break;
        case 'l': text = text.arg(f.line); break;
        default: text = text.arg(f.offset); break;
        }
    }
    return text;
}

}  // namespace

Scope::Scope(const char* operation)
{
    if (state.depth++ == 0) {
        forget();
        state.operation = operation;
    }
}

Scope::~Scope()
{
    if (--state.depth == 0)
        state.operation = nullptr;
}

HostHandlers::HostHandlers() : operation_(state.operation), depth_(state.depth)
{
    state.depth = 0;
}

HostHandlers::~HostHandlers()
{
    state.depth = depth_;
    if (depth_ > 0) {
        forget();
        state.operation = operation_;
    }
}

void succeeded()
{
    if (state.depth <= 1)
        forget();
}

Failure& record(Step step, const QString& subject, qint64 value, qint64 maximum, qint64 line)
{
    Failure& f = state.failure;
    f = Failure();
    f.operation = state.operation;
    f.step = step;
    f.subject = subject;
    f.value = value;
    f.maximum = maximum;
    f.line = line;
    return f;
}

void nameSubject(const QString& subject)
{
    if (state.failure.step != Step::None && state.failure.subject.isEmpty())
        state.failure.subject = subject;
}

bool isWithin(const QString& what, qint64 value, qint64 minimum, qint64 maximum)
{
    if (value >= minimum && value <= maximum)
        return true;
    record(Step::OutOfRange, what, value, maximum).minimum = minimum;
    return false;
}

void systemError(Step step, const QString& path, int error, const QFileDevice* device)
{
    Failure& f = record(step, path);
    f.systemError = error;
    // A short write leaves the device without an error of its own; the
    // system's number then says why.
    if (device && device->error() != QFileDevice::NoError)
        f.systemReason = device->errorString();
    else if (error != 0)
        f.systemReason = QString::fromLocal8Bit(std::strerror(error));
}

QString lastFailure()
{
    try {
        const Failure& f = state.failure;
        if (f.step == Step::None)
            return QString();
        QString sentence = QLatin1String(f.operation ? f.operation : "PositionerData") + QLatin1String(": ") +
                           stepSentence(f);
        if (!f.systemReason.isEmpty())
            sentence += QLatin1String(": ") + f.systemReason;
        return sentence;
    } catch (...) {
        return QString();
    }
}

Failure lastFailureRecord()
{
    return state.failure;
}

}  // namespace PositionerDiagnostics
