#pragma once

/// \file
/// Why the last operation of the library failed.

#include "positioner_global.h"

#include <QString>

/// Why the most recent operation of PositionerData failed, for the operator
/// (lastFailure()) and for a host that logs (lastFailureRecord()).
///
/// Every operation that can fail forgets the previous reason when it starts and
/// records one when it fails, so the host asks right after a failed result:
///
/// \code
/// if (!d->writePositionerFile(path))
///     showError(PositionerDiagnostics::lastFailure());
/// \endcode
///
/// A call that fails inside another one (the fetch inside saveUserFrameDyn(),
/// say) is reported under the name of the call the host made. setDynRefSys()
/// may answer true after it showed a box about GLOBAL.var: the reason then
/// says why the box was shown. A host handler that calls the library while an
/// operation waits has its own reason while it runs; the waiting operation
/// starts afresh from there.
///
/// Thread rule: as every call of the library, on the host's user-interface
/// thread. The reason belongs to the thread that made the call: another thread
/// sees only the reasons of calls it made itself, never the user-interface
/// thread's.
namespace PositionerDiagnostics {

/// The step that failed. Numbers are kept across versions; new steps are added
/// at the end.
enum class Step {
    /// The most recent operation succeeded.
    None = 0,
    /// An index or number outside its range: subject names it, value holds it,
    /// minimum and maximum the range.
    OutOfRange,
    /// A path holding a NUL character, which would name another file.
    PathHoldsNul,
    /// A path that names a directory, pipe or device instead of a file.
    NotRegularFile,
    /// A frame (subject) holding NaN or infinity, which the controller cannot read.
    NotFinite,
    /// The controller variable subject did not answer within value milliseconds.
    NoAnswer,
    /// Host handlers kept switching the controller to another positioner
    /// (value is the positioner number asked for, maximum the requests made).
    SwitchTakenAway,
    /// The transfer service refused to fetch subject from the controller.
    FetchRefused,
    /// The transfer service refused to send subject to the controller.
    SendRefused,
    /// The file subject could not be opened for reading.
    Open,
    /// The file subject could not be read to its end.
    Read,
    /// The file subject is no well-formed XML document: line and offset say
    /// where, systemReason what.
    Parse,
    /// The file subject, or its temporary copy, could not be written.
    Write,
    /// The written copy could not take the place of subject.
    Replace,
    /// Rewriting subject would make it more than maximum bytes longer; line is
    /// where it would.
    GrowsTooMuch,
    /// Line `line` of subject holds a CR that ends no line, where the rewrite
    /// would act on it.
    LoneCarriageReturn,
    /// The program subject is encoded in UTF-16 or UTF-32.
    WideEncoding,
    /// The editor refused write mode.
    WriteModeRefused,
    /// The open program declares no variable subject.
    UnknownVariable,
    /// The variable subject of the open program is a constant.
    ConstantVariable,
    /// The editor refused to make subject the active reference system.
    ActivationRefused,
    /// The editor refused to register subject as a dynamic reference system.
    RegistrationRefused,
    /// Point value failed the plausibility check: maximum holds teachPoint's
    /// result (-1 to -4).
    PointRefused,
    /// The file subject is larger than maximum bytes (value: its size).
    TooLarge,
    /// The pendant had not enough memory for the step.
    OutOfMemory,
};

/// The structured form of the reason. All fields are empty or zero after a
/// success.
struct Failure
{
    /// The operation the host called, as it is named in PositionerData
    /// ("writePositionerFile"); null after a success.
    const char* operation = nullptr;
    /// The step that failed.
    Step step = Step::None;
    /// The file, program variable, controller variable or argument the step
    /// worked on.
    QString subject;
    /// The system's error number (errno), 0 when the step had none.
    int systemError = 0;
    /// The system's or the XML parser's own words, untranslated.
    QString systemReason;
    /// Where the parser stopped, in bytes from the file's start; -1 for none.
    qint64 offset = -1;
    /// The line of the file the step failed on, from 1; 0 for none (and for
    /// an XML file in an encoding other than UTF-8).
    qint64 line = 0;
    /// The number the step found (see Step).
    qint64 value = 0;
    /// The lowest value allowed, for OutOfRange.
    qint64 minimum = 0;
    /// The highest value allowed, or the bound the step broke (see Step).
    qint64 maximum = 0;
};

/// One sentence in the operator's language: the operation, the step, the file
/// or variable and the system's reason, as in "writePositionerFile: cannot
/// write /…/positionercalibframepar.xml: No space left on device". Empty when
/// the most recent operation that can fail succeeded.
/// \nowait
POSITIONER_EXPORT QString lastFailure();

/// The same reason, field by field.
/// \nowait
POSITIONER_EXPORT Failure lastFailureRecord();

}  // namespace PositionerDiagnostics
