// How the library records why an operation failed (see positionerdiagnostics.h).
// Nothing here allocates until a failure is recorded, so the success paths of
// the waits and the checks stay as cheap as before.
#pragma once

#include "positionerdiagnostics.h"

#include <QFileDevice>

namespace PositionerDiagnostics {

// Marks an operation the host called: the outermost one forgets the previous
// reason and names the ones recorded until it returns.
class Q_DECL_HIDDEN Scope
{
public:
    explicit Scope(const char* operation);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};

// Lets the host's handlers that run during a wait be operations of their own;
// the waiting operation then goes on with no reason recorded.
class Q_DECL_HIDDEN HostHandlers
{
public:
    HostHandlers();
    ~HostHandlers();
    HostHandlers(const HostHandlers&) = delete;
    HostHandlers& operator=(const HostHandlers&) = delete;

private:
    const char* operation_;
    int depth_;
};

// The outermost operation succeeded after all: what its inner steps recorded
// is no reason for the host.
void succeeded();

// Records the reason, in place of one recorded earlier in the same operation:
// a step with the fields it names (see Step), the operation's name filled in.
// The record is returned for the fields a step has beyond those.
Failure& record(Step step, const QString& subject = QString(), qint64 value = 0, qint64 maximum = 0,
                qint64 line = 0);

// Whether an index or number the host gave lies in minimum to maximum; when
// it does not, that is the reason.
bool isWithin(const QString& what, qint64 value, qint64 minimum, qint64 maximum);

// Names the file of a reason recorded by a step that had only its bytes.
void nameSubject(const QString& subject);

// A step on a file that failed with the system error `error` (errno), in the
// words of the device when it has some: they are Qt's wording of the system's.
void systemError(Step step, const QString& path, int error, const QFileDevice* device = nullptr);

}  // namespace PositionerDiagnostics

namespace Diagnostics = PositionerDiagnostics;
