#pragma once

// Builders shared by the estimate's tests: the real parameter file of the source tree and small
// households described by type and age.

#include "Estimate.h"
#include "EstimateParameters.h"

#include <QString>
#include <QTest>
#include <cmath>

namespace cases {

inline const estimate::EstimateParameters& parameters() {
    static const estimate::EstimateParameters loaded = [] {
        QString error;
        auto p = estimate::EstimateParameters::load(
            QStringLiteral(VELMORA_SOURCE_DIR "/data/Daten/Default/Leistungsparameter.json"), &error);
        if (!p) qFatal("%s", qPrintable(error));
        return *p;
    }();
    return loaded;
}

// The day every case is computed for, unless it says otherwise.
inline QDate day() {
    return QDate(2024, 6, 15);
}

inline const estimate::ParameterSet& set(const QDate& on = day()) {
    const estimate::ParameterSet* s = parameters().setFor(on);
    if (!s) qFatal("no parameter set for %s", qPrintable(on.toString(Qt::ISODate)));
    return *s;
}

// A person of `age` completed years on day(): born on 1 January.
inline estimate::EstimatePerson person(int type, int age, const QString& surname = QString()) {
    estimate::EstimatePerson p;
    p.type = type;
    p.birthDate = QDate(day().year() - age, 1, 1);
    static int counter = 0;
    p.ident = QStringLiteral("{P%1}").arg(++counter);
    p.surname = surname.isEmpty() ? QStringLiteral("Person%1").arg(counter) : surname;
    p.firstName = QStringLiteral("Vorname");
    return p;
}

// A household from types and ages in list order (the order of the person list).
inline estimate::EstimateInput household(const QList<int>& types, const QList<int>& ages) {
    estimate::EstimateInput in;
    in.day = day();
    for (int i = 0; i < types.size(); ++i)
        in.persons.push_back(person(types[i], ages[i]));
    return in;
}

inline estimate::EstimateResult compute(const estimate::EstimateInput& in) {
    return estimate::ComputeEstimate(in, set(in.day));
}

// Money is compared to a thousandth of a cent: sums of doubles never hit a figure exactly.
inline bool same(double a, double b) {
    return std::fabs(a - b) < 1e-5;
}

} // namespace cases

#define COMPARE_MONEY(actual, expected)                                                                      \
    do {                                                                                                     \
        const double a_ = (actual), e_ = (expected);                                                         \
        QVERIFY2(cases::same(a_, e_), qPrintable(QStringLiteral("%1: %2, expected %3")                       \
                                                     .arg(QStringLiteral(#actual))                           \
                                                     .arg(a_, 0, 'f', 6)                                     \
                                                     .arg(e_, 0, 'f', 6)));                                  \
    } while (0)
