#include "controllersimulator.h"

#include <sim/variablestore.h>

#include <QTimer>

ControllerSimulator::ControllerSimulator()
{
    observer_ = sim::VariableStore::instance().observe(
        [this](const QString& name, const QVariant& value) {
            if (value.toBool() && reactions_.count(name) && reactions_[name].routine)
                requested(name);
        });
    onRequest(QStringLiteral("ipos.bswitchpos"), [this] { acknowledgeSwitch(); });
}

ControllerSimulator::~ControllerSimulator()
{
    sim::VariableStore::instance().unobserve(observer_);
}

void ControllerSimulator::onRequest(const QString& flag, std::function<void()> routine)
{
    reactions_[flag].routine = std::move(routine);
}

int ControllerSimulator::requests(const QString& flag) const
{
    const auto it = reactions_.find(flag);
    return it == reactions_.end() ? 0 : it->second.requests;
}

void ControllerSimulator::requested(const QString& flag)
{
    Reaction& reaction = reactions_[flag];
    ++reaction.requests;
    if (!willAnswer(reaction))
        return;
    const int latency = reaction.latency >= 0 ? reaction.latency : latency_;
    QTimer::singleShot(latency, Qt::PreciseTimer, &timers_, [this, flag] {
        Reaction& due = reactions_[flag];
        if (!willAnswer(due))
            return;
        due.routine();
    });
}

void ControllerSimulator::acknowledgeSwitch()
{
    bswitchpos_ = false;
}
