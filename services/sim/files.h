// Where the simulated pendant and controller keep their files, and the
// transfers between them.
//
// Both trees default to folders of one data directory:
//   POSITIONER_DATA_DIR          (default: ./positioner-data)
//   POSITIONER_PENDANT_ROOT      (default: <data>/pendant)
//   POSITIONER_CONTROLLER_ROOT   (default: <data>/controller)
// Pendant names relative to the program directory resolve against
// <pendant root>/bin, so "../Application/positioner" is
// <pendant root>/Application/positioner. Controller paths ("/xpl/GLOBAL.var")
// lie below the controller root.
#pragma once

#include <QString>

#include <vector>

namespace sim {

struct Transfer
{
    enum Direction { Fetch, Send };
    Direction direction;
    QString from;
    QString to;
    bool ok;
};

class Files
{
public:
    static Files& instance();

    QString pendantRoot() const { return pendantRoot_; }
    QString controllerRoot() const { return controllerRoot_; }
    // Only names resolved afterwards see a new root; the library fixes its
    // paths when it is loaded.
    void setPendantRoot(const QString& root) { pendantRoot_ = root; }
    void setControllerRoot(const QString& root) { controllerRoot_ = root; }

    QString pendantPath(const QString& relativeToProgramDir) const;
    // The place on disk of a file of the controller.
    QString controllerFile(const QString& controllerPath) const;

    // A copy whose source is missing or that cannot be written fails, and so do
    // the next n transfers of a kind when told to. A failed copy leaves the
    // destination as it was.
    bool fetch(const QString& controllerPath, const QString& localPath);
    bool send(const QString& localPath, const QString& controllerPath);
    void failNextFetches(int n) { failFetches_ = n; }
    void failNextSends(int n) { failSends_ = n; }

    const std::vector<Transfer>& transfers() const { return transfers_; }

    // Forgets the log and the injected faults; the roots and their files stay.
    void reset();

private:
    Files();
    bool transfer(Transfer::Direction direction, const QString& from, const QString& to,
                  int& failures);

    QString pendantRoot_;
    QString controllerRoot_;
    int failFetches_ = 0;
    int failSends_ = 0;
    std::vector<Transfer> transfers_;
};

}  // namespace sim
