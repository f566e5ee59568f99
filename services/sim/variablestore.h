// The simulated controller's runtime variables: one process-wide store keyed by
// controller name, shared by every rtmCustomRvar object of that name.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <map>
#include <utility>
#include <vector>

// One controller variable; the variable objects hold a pointer to it.
struct RtmVariableSlot
{
    QString name;
    QVariant value;
    QVariant defaultValue;
    bool used = false;
};

namespace sim {

struct UsedCall
{
    QString name;
    bool on;
};

class VariableStore
{
public:
    using Observer = std::function<void(const QString& name, const QVariant& value)>;

    // Created on first use and never destroyed, so that variables that are
    // static objects of other libraries may be built and torn down in any order.
    static VariableStore& instance();

    bool contains(const QString& name) const;
    QStringList names() const;
    // Names in the order their variables were first created.
    const QStringList& creationOrder() const { return creationOrder_; }
    QVariant value(const QString& name) const;
    bool isUsed(const QString& name) const;

    // Every setUsed call, in order.
    const std::vector<UsedCall>& usedLog() const { return usedLog_; }
    void clearUsedLog() { usedLog_.clear(); }

    // Reads and writes of an element outside its vector. The platform leaves
    // them undefined, so a sound caller never makes one; here they read 0 and
    // are dropped, and counted.
    int strayElementAccesses() const { return strayElementAccesses_; }
    void countStrayElementAccess() { ++strayElementAccesses_; }

    // Called after every write, with the new value. Observers may write
    // variables and add or remove observers.
    int observe(Observer observer);
    void unobserve(int id);

    // Back to a freshly started controller: every value at its default, nothing
    // registered, an empty log. Observers stay.
    void reset();

    // For the variable classes. The slot of a name is made once, with the
    // default of the first object of that name, and lives as long as the store.
    RtmVariableSlot* slot(const QString& name, const QVariant& defaultValue);
    void write(RtmVariableSlot* slot, const QVariant& value);
    void setUsed(RtmVariableSlot* slot, bool on);

private:
    VariableStore() = default;

    std::map<QString, RtmVariableSlot> slots_;
    QStringList creationOrder_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserverId_ = 1;
    std::vector<UsedCall> usedLog_;
    int strayElementAccesses_ = 0;
};

}  // namespace sim
