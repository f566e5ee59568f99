#include "variablestore.h"

#include <algorithm>

namespace sim {

VariableStore& VariableStore::instance()
{
    static VariableStore* store = new VariableStore;
    return *store;
}

bool VariableStore::contains(const QString& name) const
{
    return slots_.count(name) != 0;
}

QStringList VariableStore::names() const
{
    QStringList list;
    for (const auto& entry : slots_)
        list << entry.first;
    return list;
}

QVariant VariableStore::value(const QString& name) const
{
    const auto it = slots_.find(name);
    return it == slots_.end() ? QVariant() : it->second.value;
}

bool VariableStore::isUsed(const QString& name) const
{
    const auto it = slots_.find(name);
    return it != slots_.end() && it->second.used;
}

int VariableStore::observe(Observer observer)
{
    const int id = nextObserverId_++;
    observers_.emplace_back(id, std::move(observer));
    return id;
}

void VariableStore::unobserve(int id)
{
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [id](const auto& entry) { return entry.first == id; }),
                     observers_.end());
}

void VariableStore::reset()
{
    for (auto& entry : slots_) {
        entry.second.value = entry.second.defaultValue;
        entry.second.used = false;
    }
    usedLog_.clear();
    strayElementAccesses_ = 0;
}

RtmVariableSlot* VariableStore::slot(const QString& name, const QVariant& defaultValue)
{
    auto it = slots_.find(name);
    if (it == slots_.end()) {
        it = slots_.emplace(name, RtmVariableSlot{name, defaultValue, defaultValue, false}).first;
        creationOrder_ << name;
    }
    return &it->second;
}

void VariableStore::write(RtmVariableSlot* slot, const QVariant& value)
{
    slot->value = value;
    // A copy, so that an observer may add or remove observers while we call them.
    const auto observers = observers_;
    for (const auto& entry : observers)
        entry.second(slot->name, slot->value);
}

void VariableStore::setUsed(RtmVariableSlot* slot, bool on)
{
    slot->used = on;
    usedLog_.push_back({slot->name, on});
}

}  // namespace sim
