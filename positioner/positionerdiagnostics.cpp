#include "failurerecord.h"

#include <QCoreApplication>

#include <cstring>

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

// Texts of the library are looked up in the context QObject, as its message
// boxes are.
QString translated(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// A NUL would end the sentence wherever the host shows it.
QString shown(const QString& subject)
{
    QString text = subject;
    return text.replace(QChar(0), QLatin1String("\\0"));
}

QString stepSentence(const Failure& f)
{
    const QString subject = shown(f.subject);
    switch (f.step) {
    case Step::None:
        break;
    case Step::OutOfRange:
        return translated(QT_TRANSLATE_NOOP("QObject", "%1 is %2, outside %3 to %4"))
            .arg(subject)
            .arg(f.value)
            .arg(f.minimum)
            .arg(f.maximum);
    case Step::PathHoldsNul:
        return translated(QT_TRANSLATE_NOOP("QObject", "the path %1 holds a NUL character")).arg(subject);
    case Step::NotRegularFile:
        return translated(QT_TRANSLATE_NOOP("QObject", "%1 is not a regular file")).arg(subject);
    case Step::NotFinite:
        return translated(QT_TRANSLATE_NOOP("QObject", "%1 holds a value that is not a finite number")).arg(subject);
    case Step::NoAnswer:
        return translated(QT_TRANSLATE_NOOP("QObject", "%1 did not answer within %2 ms")).arg(subject).arg(f.value);
    case Step::SwitchTakenAway:
        return translated(QT_TRANSLATE_NOOP("QObject",
                                    "the controller was switched away from positioner %1 after each of %2 requests"))
            .arg(f.value)
            .arg(f.maximum);
    case Step::FetchRefused:
        return translated(QT_TRANSLATE_NOOP("QObject", "the transfer service did not fetch %1 from the controller"))
            .arg(subject);
    case Step::SendRefused:
        return translated(QT_TRANSLATE_NOOP("QObject", "the transfer service did not send %1 to the controller"))
            .arg(subject);
    case Step::Open:
        return translated(QT_TRANSLATE_NOOP("QObject", "cannot open %1")).arg(subject);
    case Step::Read:
        return translated(QT_TRANSLATE_NOOP("QObject", "cannot read %1")).arg(subject);
    case Step::Parse:
        return translated(QT_TRANSLATE_NOOP("QObject", "%1 is not well-formed XML at line %2 (offset %3)"))
            .arg(subject)
            .arg(f.line)
            .arg(f.offset);
    case Step::Write:
        return translated(QT_TRANSLATE_NOOP("QObject", "cannot write %1")).arg(subject);
    case Step::Replace:
        return translated(QT_TRANSLATE_NOOP("QObject", "cannot replace %1")).arg(subject);
    case Step::GrowsTooMuch:
        return translated(QT_TRANSLATE_NOOP("QObject", "%1 would grow by more than %2 bytes at line %3"))
            .arg(subject)
            .arg(f.maximum)
            .arg(f.line);
    case Step::LoneCarriageReturn:
        return translated(QT_TRANSLATE_NOOP("QObject", "line %1 of %2 holds a CR that ends no line"))
            .arg(f.line)
            .arg(subject);
    case Step::WideEncoding:
        return translated(QT_TRANSLATE_NOOP("QObject", "%1 is encoded in UTF-16 or UTF-32")).arg(subject);
    case Step::WriteModeRefused:
        return translated(QT_TRANSLATE_NOOP("QObject", "the editor refused write mode for %1")).arg(subject);
    case Step::UnknownVariable:
        return translated(QT_TRANSLATE_NOOP("QObject", "the open program declares no variable %1")).arg(subject);
    case Step::ConstantVariable:
        return translated(QT_TRANSLATE_NOOP("QObject", "%1 is a constant of the open program")).arg(subject);
    case Step::ActivationRefused:
        return translated(QT_TRANSLATE_NOOP("QObject", "the editor refused to make %1 the active work object"))
            .arg(subject);
    case Step::RegistrationRefused:
        return translated(QT_TRANSLATE_NOOP("QObject", "the editor refused to register %1 as a dynamic reference system"))
            .arg(subject);
    case Step::PointRefused:
        return translated(QT_TRANSLATE_NOOP("QObject", "point %1 failed the plausibility check (result %2)"))
            .arg(f.value)
            .arg(f.maximum);
    case Step::TooLarge:
        return translated(QT_TRANSLATE_NOOP("QObject", "%1 is %2 bytes, more than the %3 bytes allowed"))
            .arg(subject)
            .arg(f.value)
            .arg(f.maximum);
    case Step::OutOfMemory:
        return translated(QT_TRANSLATE_NOOP("QObject", "there was not enough memory"));
    }
    return QString();
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

void record(Failure failure)
{
    failure.operation = state.operation;
    state.failure = failure;
}

void nameSubject(const QString& subject)
{
    if (state.failure.step != Step::None && state.failure.subject.isEmpty())
        state.failure.subject = subject;
}

void systemError(Step step, const QString& path, int error)
{
    Failure f;
    f.step = step;
    f.subject = path;
    f.systemError = error;
    f.systemReason = QString::fromLocal8Bit(std::strerror(error));
    record(f);
}

void deviceError(Step step, const QString& path, const QFileDevice& device, int error)
{
    Failure f;
    f.step = step;
    f.subject = path;
    f.systemError = error;
    // A short write leaves the device without an error of its own; the
    // system's number then says why.
    if (device.error() != QFileDevice::NoError)
        f.systemReason = device.errorString();
    else if (error != 0)
        f.systemReason = QString::fromLocal8Bit(std::strerror(error));
    record(f);
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
