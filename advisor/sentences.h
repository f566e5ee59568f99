// What the advisor says to the operator, in the translation context
// "PositionerAdvisor", so that hosts show it in their language.
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <cmath>

namespace PositionerAdvisor {

struct PointExplanation;
struct GroupAssessment;

class Sentences
{
    Q_DECLARE_TR_FUNCTIONS(PositionerAdvisor)

public:
    static QString describe(const PointExplanation& explanation);
    static QString advise(const PointExplanation& explanation);
    static QString describe(const GroupAssessment& assessment);
    static QString advise(const GroupAssessment& assessment);
    static QString verdictName(int verdict);
};

// Nothing thrown while a sentence is built (by an allocation) reaches the host;
// it gets an empty sentence instead.
template <typename Build>
QString guarded(Build build) noexcept
{
    try {
        return build();
    } catch (...) {
        return QString();
    }
}

// A measure beside its limit, rounded away from the limit so that a sum just
// below 5 never reads as "5.00".
inline QString formatMeasure(double value, double limit, int decimals = 2)
{
    const double scale = std::pow(10.0, decimals);
    // A measure near the largest double has no decimals to round, and
    // scaling it would make it infinite.
    if (!std::isfinite(value * scale))
        return QLocale().toString(value, 'f', decimals);
    if (value < limit)
        value = std::floor(value * scale) / scale;
    else if (value > limit)
        value = std::ceil(value * scale) / scale;
    return QLocale().toString(value, 'f', decimals);
}

inline QString formatNumber(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

}  // namespace PositionerAdvisor
