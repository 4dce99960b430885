#include "EstimateParameters.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace estimate {

bool Band::contains(double value) const {
    if (below) return value < *below;
    if (upTo) return value <= *upTo;
    return true;
}

namespace {

constexpr double kMaxAmount = 1e6;
constexpr double kMaxRate = 1e4;

// Walks the document and remembers the first fault together with where it was found, so that the
// message can say "Regelbedarf › Paar › 2 › Partner" instead of leaving the user to guess.
class Reader {
public:
    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    void fail(const QStringList& path, const QString& what) {
        if (failed()) return;
        m_error =
            path.isEmpty() ? what : QStringLiteral("„%1“: %2").arg(path.join(QStringLiteral(" › ")), what);
    }

    QJsonValue member(const QJsonObject& object, const QStringList& path, const QString& key) {
        const QJsonValue v = object.value(key);
        if (v.isUndefined()) fail(path + QStringList{key}, QStringLiteral("der Wert fehlt"));
        return v;
    }

    double number(const QJsonObject& object, const QStringList& path, const QString& key) {
        const QJsonValue v = member(object, path, key);
        if (failed()) return 0;
        return checkedNumber(v, path + QStringList{key});
    }

    double checkedNumber(const QJsonValue& v, const QStringList& path) {
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            fail(path, QStringLiteral("keine Zahl"));
            return 0;
        }
        return v.toDouble();
    }

    // Figures within what is plausible, so that a slip in the file is an error naming the entry rather
    // than a benefit computed from it: amounts are not negative, shares lie between 0 and 1 (0 to 100 %),
    // a standard rate is above 0.
    double amount(const QJsonObject& object, const QStringList& path, const QString& key) {
        return within(number(object, path, key), path + QStringList{key}, 0, kMaxAmount,
                      QStringLiteral("ein Betrag muss zwischen 0 und 1.000.000 liegen"));
    }

    double share(const QJsonObject& object, const QStringList& path, const QString& key) {
        return within(number(object, path, key), path + QStringList{key}, 0, 1,
                      QStringLiteral("ein Anteil muss zwischen 0 und 1 liegen (0 bis 100 %)"));
    }

    double rate(const QJsonObject& object, const QStringList& path, const QString& key) {
        const double v = within(number(object, path, key), path + QStringList{key}, 0, kMaxRate,
                                QStringLiteral("ein Regelbedarf muss über 0 und höchstens 10.000 liegen"));
        if (!failed() && v == 0)
            fail(path + QStringList{key}, QStringLiteral("ein Regelbedarf muss über 0 und höchstens 10.000 liegen"));
        return v;
    }

    double positive(const QJsonObject& object, const QStringList& path, const QString& key) {
        const double v = number(object, path, key);
        if (!failed() && !(v > 0 && v <= kMaxAmount))
            fail(path + QStringList{key}, QStringLiteral("der Wert muss über 0 liegen, nicht %1").arg(v));
        return v;
    }

    std::vector<double> amounts(const QJsonArray& a, const QStringList& path) {
        std::vector<double> out = numbers(a, path);
        for (size_t i = 0; i < out.size(); ++i)
            within(out[i], path + QStringList{QString::number(i + 1)}, 0, kMaxAmount,
                   QStringLiteral("ein Betrag muss zwischen 0 und 1.000.000 liegen"));
        return out;
    }

    double within(double v, const QStringList& path, double minimum, double maximum, const QString& rule) {
        if (!failed() && (v < minimum || v > maximum))
            fail(path, QStringLiteral("%1, nicht %2").arg(rule).arg(v));
        return v;
    }

    int wholeNumber(const QJsonObject& object, const QStringList& path, const QString& key) {
        const double d = number(object, path, key);
        if (failed()) return 0;
        if (d != std::floor(d) || std::fabs(d) > 1e6) {
            fail(path + QStringList{key}, QStringLiteral("keine ganze Zahl"));
            return 0;
        }
        return static_cast<int>(d);
    }

    std::optional<double> optionalNumber(const QJsonObject& object, const QStringList& path,
                                         const QString& key) {
        if (!object.contains(key)) return std::nullopt;
        return checkedNumber(object.value(key), path + QStringList{key});
    }

    bool flag(const QJsonObject& object, const QStringList& path, const QString& key) {
        const QJsonValue v = member(object, path, key);
        if (failed()) return false;
        if (!v.isBool()) fail(path + QStringList{key}, QStringLiteral("weder true noch false"));
        return v.toBool();
    }

    QString text(const QJsonObject& object, const QStringList& path, const QString& key) {
        const QJsonValue v = member(object, path, key);
        if (failed()) return {};
        if (!v.isString()) fail(path + QStringList{key}, QStringLiteral("kein Text"));
        return v.toString();
    }

    QDate date(const QJsonValue& v, const QStringList& path) {
        const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
        if (!v.isString() || !d.isValid()) fail(path, QStringLiteral("kein Datum der Form JJJJ-MM-TT"));
        return d;
    }

    QJsonObject object(const QJsonObject& parent, const QStringList& path, const QString& key) {
        const QJsonValue v = member(parent, path, key);
        if (failed()) return {};
        if (!v.isObject()) fail(path + QStringList{key}, QStringLiteral("kein Objekt"));
        return v.toObject();
    }

    QJsonArray array(const QJsonObject& parent, const QStringList& path, const QString& key, int minSize = 1,
                     int maxSize = -1) {
        const QJsonValue v = member(parent, path, key);
        if (failed()) return {};
        if (!v.isArray()) {
            fail(path + QStringList{key}, QStringLiteral("keine Liste"));
            return {};
        }
        const QJsonArray a = v.toArray();
        if (a.size() < minSize || (maxSize >= 0 && a.size() > maxSize)) {
            fail(path + QStringList{key},
                 maxSize == minSize
                     ? QStringLiteral("die Liste braucht genau %1 Einträge").arg(minSize)
                     : QStringLiteral("die Liste braucht mindestens %1 Einträge").arg(minSize));
        }
        return a;
    }

    // Each element of `a` must be an object; `each` is called with it and its path.
    template <typename F> void objects(const QJsonArray& a, const QStringList& path, F each) {
        for (int i = 0; i < a.size() && !failed(); ++i) {
            const QStringList itemPath = path + QStringList{QString::number(i + 1)};
            if (!a.at(i).isObject()) {
                fail(itemPath, QStringLiteral("kein Objekt"));
                return;
            }
            each(a.at(i).toObject(), itemPath);
        }
    }

    std::vector<double> numbers(const QJsonArray& a, const QStringList& path) {
        std::vector<double> out;
        for (int i = 0; i < a.size() && !failed(); ++i)
            out.push_back(checkedNumber(a.at(i), path + QStringList{QString::number(i + 1)}));
        return out;
    }

    // A band list: every entry but the last needs exactly one upper bound, the last none, and the
    // bounds must rise, so that every value falls into exactly one band.
    Band band(const QJsonObject& o, const QStringList& path, const QString& belowKey, const QString& upToKey,
              bool last) {
        Band b;
        b.below = optionalNumber(o, path, belowKey);
        if (!upToKey.isEmpty()) b.upTo = optionalNumber(o, path, upToKey);
        if (failed()) return b;
        for (const auto& [bound, key] : {std::pair{b.below, belowKey}, std::pair{b.upTo, upToKey}})
            if (bound) within(*bound, path + QStringList{key}, 0, kMaxAmount,
                              QStringLiteral("eine Grenze darf nicht negativ sein"));
        if (failed()) return b;
        const bool bounded = b.below || b.upTo;
        if (b.below && b.upTo)
            fail(path, QStringLiteral("„%1“ und „%2“ schließen einander aus").arg(belowKey, upToKey));
        else if (last && bounded)
            fail(path, QStringLiteral("die letzte Stufe darf keine Obergrenze haben"));
        else if (!last && !bounded)
            fail(path, QStringLiteral("nur die letzte Stufe darf ohne Obergrenze sein"));
        return b;
    }

    template <typename T> void checkRising(const std::vector<T>& bands, const QStringList& path) {
        for (size_t i = 1; i + 1 < bands.size() && !failed(); ++i) {
            const Band& p = bands[i - 1].band;
            const Band& c = bands[i].band;
            const double pv = p.below ? *p.below : *p.upTo;
            const double cv = c.below ? *c.below : *c.upTo;
            if (cv < pv) fail(path, QStringLiteral("die Obergrenzen der Stufen müssen steigen"));
        }
    }

private:
    QString m_error;
};

void readStandardRates(Reader& r, const QJsonObject& set, const QStringList& root, ParameterSet& p) {
    const QStringList path = root + QStringList{QStringLiteral("Regelbedarf")};
    const QJsonObject o = r.object(set, root, QStringLiteral("Regelbedarf"));
    if (r.failed()) return;
    p.ageOfMajority = r.wholeNumber(o, path, QStringLiteral("volljährig ab Alter"));
    r.within(p.ageOfMajority, path + QStringList{QStringLiteral("volljährig ab Alter")}, 1, 150,
             QStringLiteral("ein Alter muss zwischen 1 und 150 liegen"));
    p.singleRate = r.rate(o, path, QStringLiteral("allein"));

    const QStringList couplePath = path + QStringList{QStringLiteral("Paar")};
    r.objects(r.array(o, path, QStringLiteral("Paar"), 4, 4), couplePath,
              [&](const QJsonObject& e, const QStringList& ep) {
                  CoupleRate c;
                  c.applicantOfAge = r.flag(e, ep, QStringLiteral("Antragsteller volljährig"));
                  c.partnerOfAge = r.flag(e, ep, QStringLiteral("Partner volljährig"));
                  c.applicantRate = r.rate(e, ep, QStringLiteral("Antragsteller"));
                  c.partnerRate = r.rate(e, ep, QStringLiteral("Partner"));
                  p.coupleRates.push_back(c);
              });
    // All four combinations must be there exactly once: a missing one would leave a couple without rates.
    for (int combination = 0; combination < 4 && !r.failed(); ++combination) {
        const bool a = combination & 1, b = combination & 2;
        const auto n = std::count_if(p.coupleRates.begin(), p.coupleRates.end(), [&](const CoupleRate& c) {
            return c.applicantOfAge == a && c.partnerOfAge == b;
        });
        if (n != 1)
            r.fail(couplePath,
                   QStringLiteral("jede Verbindung von volljährig/minderjährig muss genau einmal vorkommen"));
    }

    const QStringList furtherPath = path + QStringList{QStringLiteral("weitere Personen")};
    const QJsonArray further = r.array(o, path, QStringLiteral("weitere Personen"));
    r.objects(further, furtherPath, [&](const QJsonObject& e, const QStringList& ep) {
        RateBand b;
        b.band = r.band(e, ep, QStringLiteral("unter Alter"), {},
                        p.furtherPersonRates.size() + 1 == size_t(further.size()));
        b.rate = r.rate(e, ep, QStringLiteral("Betrag"));
        p.furtherPersonRates.push_back(b);
    });
    r.checkRising(p.furtherPersonRates, furtherPath);
}

void readAdditionalNeeds(Reader& r, const QJsonObject& set, const QStringList& root, ParameterSet& p) {
    const QStringList path = root + QStringList{QStringLiteral("Mehrbedarf")};
    const QJsonObject o = r.object(set, root, QStringLiteral("Mehrbedarf"));
    if (r.failed()) return;
    p.pregnancyShare = r.share(o, path, QStringLiteral("Schwangerschaft Anteil"));
    p.disabilityShare = r.share(o, path, QStringLiteral("Behinderung Anteil"));

    const QStringList alonePath = path + QStringList{QStringLiteral("Alleinerziehend")};
    const QJsonObject alone = r.object(o, path, QStringLiteral("Alleinerziehend"));
    if (r.failed()) return;
    const QStringList onePath = alonePath + QStringList{QStringLiteral("ein Kind")};
    const QJsonArray one = r.array(alone, alonePath, QStringLiteral("ein Kind"));
    r.objects(one, onePath, [&](const QJsonObject& e, const QStringList& ep) {
        ShareBand b;
        b.band = r.band(e, ep, QStringLiteral("unter Alter"), {},
                        p.singleParentOneChild.size() + 1 == size_t(one.size()));
        b.share = r.share(e, ep, QStringLiteral("Anteil"));
        p.singleParentOneChild.push_back(b);
    });
    r.checkRising(p.singleParentOneChild, onePath);

    const QStringList twoPath = alonePath + QStringList{QStringLiteral("zwei Kinder")};
    const QJsonObject two = r.object(alone, alonePath, QStringLiteral("zwei Kinder"));
    if (r.failed()) return;
    p.twoChildrenOlderBelow = r.wholeNumber(two, twoPath, QStringLiteral("älteres Kind unter Alter"));
    p.twoChildrenYoungerBelow = r.wholeNumber(two, twoPath, QStringLiteral("jüngeres Kind unter Alter"));
    p.twoChildrenHighShare = r.share(two, twoPath, QStringLiteral("Anteil"));
    p.twoChildrenLowShare = r.share(two, twoPath, QStringLiteral("sonst Anteil"));

    const QStringList morePath = alonePath + QStringList{QStringLiteral("mehr Kinder")};
    r.objects(r.array(alone, alonePath, QStringLiteral("mehr Kinder")), morePath,
              [&](const QJsonObject& e, const QStringList& ep) {
                  ChildCountShare c;
                  c.fromChildren = r.wholeNumber(e, ep, QStringLiteral("ab Kinder"));
                  c.share = r.share(e, ep, QStringLiteral("Anteil"));
                  if (!r.failed() && c.fromChildren < 3)
                      r.fail(ep, QStringLiteral("„ab Kinder“ muss mindestens 3 sein"));
                  if (!r.failed() && !p.singleParentMoreChildren.empty() &&
                      c.fromChildren <= p.singleParentMoreChildren.back().fromChildren)
                      r.fail(ep, QStringLiteral("„ab Kinder“ muss steigen"));
                  p.singleParentMoreChildren.push_back(c);
              });

    const QStringList dietPath = path + QStringList{QStringLiteral("Kostenaufwändige Ernährung")};
    r.objects(r.array(o, path, QStringLiteral("Kostenaufwändige Ernährung")), dietPath,
              [&](const QJsonObject& e, const QStringList& ep) {
                  p.diets.push_back(
                      Diet{r.text(e, ep, QStringLiteral("Art")), r.amount(e, ep, QStringLiteral("Betrag"))});
              });
    if (!r.failed() && p.diets.front().amount != 0)
        r.fail(dietPath + QStringList{QStringLiteral("1")},
               QStringLiteral("der erste Eintrag („keine“) muss den Betrag 0 haben"));
}

AreaRule readAreaRule(Reader& r, const QJsonObject& parent, const QStringList& path, const QString& key) {
    AreaRule a;
    const QStringList p = path + QStringList{key};
    const QJsonObject o = r.object(parent, path, key);
    if (r.failed()) return a;
    a.bySize = r.amounts(r.array(o, p, QStringLiteral("nach Haushaltsgröße")),
                         p + QStringList{QStringLiteral("nach Haushaltsgröße")});
    a.perPerson = r.amount(o, p, QStringLiteral("je Person"));
    a.base = r.amount(o, p, QStringLiteral("Sockel"));
    return a;
}

void readHousing(Reader& r, const QJsonObject& set, const QStringList& root, ParameterSet& p) {
    const QStringList path = root + QStringList{QStringLiteral("Unterkunft")};
    const QJsonObject o = r.object(set, root, QStringLiteral("Unterkunft"));
    if (r.failed()) return;

    const QStringList ceilingPath = path + QStringList{QStringLiteral("Mietobergrenzen")};
    const QJsonObject ceilings = r.object(o, path, QStringLiteral("Mietobergrenzen"));
    if (r.failed()) return;
    const QStringList bySizePath = ceilingPath + QStringList{QStringLiteral("nach Haushaltsgröße")};
    const QJsonArray bySize =
        r.array(ceilings, ceilingPath, QStringLiteral("nach Haushaltsgröße"), RentTableSizes, RentTableSizes);
    for (int size = 0; size < RentTableSizes && !r.failed(); ++size) {
        const QStringList rowPath = bySizePath + QStringList{QString::number(size + 1)};
        const QJsonArray row = bySize.at(size).toArray();
        if (!bySize.at(size).isArray() || row.size() != RentLevelCount) {
            r.fail(rowPath, QStringLiteral("die Zeile braucht genau %1 Beträge (Mietstufe 1 bis %1)")
                                .arg(RentLevelCount));
            break;
        }
        const std::vector<double> values = r.amounts(row, rowPath);
        std::copy(values.begin(), values.end(), p.rentCeilings[size].begin());
    }
    const QStringList furtherPath = ceilingPath + QStringList{QStringLiteral("je weitere Person")};
    const std::vector<double> further = r.amounts(
        r.array(ceilings, ceilingPath, QStringLiteral("je weitere Person"), RentLevelCount, RentLevelCount),
        furtherPath);
    if (!r.failed()) std::copy(further.begin(), further.end(), p.rentCeilingFurtherPerson.begin());

    const QStringList areaPath = path + QStringList{QStringLiteral("angemessene Wohnfläche")};
    const QJsonObject area = r.object(o, path, QStringLiteral("angemessene Wohnfläche"));
    if (r.failed()) return;
    p.areaMaxPersons = r.wholeNumber(area, areaPath, QStringLiteral("höchstens Personen"));
    p.areaRented = readAreaRule(r, area, areaPath, QStringLiteral("Mietwohnung"));
    p.areaOwnerFlat = readAreaRule(r, area, areaPath, QStringLiteral("Eigentumswohnung"));
    p.areaOwnerHouse = readAreaRule(r, area, areaPath, QStringLiteral("Eigenheim"));

    p.heatingPerSquareMetre = r.amount(o, path, QStringLiteral("Heizkosten je qm"));
    p.warmWaterShare = r.share(o, path, QStringLiteral("Warmwasser Anteil"));
}

void readSupplement(Reader& r, const QJsonObject& set, const QStringList& root, ParameterSet& p) {
    const QStringList path = root + QStringList{QStringLiteral("Zuschlag")};
    const QJsonObject o = r.object(set, root, QStringLiteral("Zuschlag"));
    if (r.failed()) return;
    p.weeksPerMonth = r.positive(o, path, QStringLiteral("Wochen je Monat"));
    p.daysPerMonth = r.positive(o, path, QStringLiteral("Tage je Monat"));
    p.supplementShare = r.share(o, path, QStringLiteral("Anteil der Differenz"));
    p.supplementPerChild = r.amount(o, path, QStringLiteral("je Kind"));
    p.supplementMaxCouple = r.amount(o, path, QStringLiteral("Höchstbetrag Paar"));
    p.supplementMaxSingle = r.amount(o, path, QStringLiteral("Höchstbetrag allein"));
    p.supplementSecondYearShare = r.share(o, path, QStringLiteral("Anteil zweites Jahr"));
}

void readIncome(Reader& r, const QJsonObject& set, const QStringList& root, ParameterSet& p) {
    const QStringList path = root + QStringList{QStringLiteral("Einkommen")};
    const QJsonObject o = r.object(set, root, QStringLiteral("Einkommen"));
    if (r.failed()) return;
    const QStringList divisorPath = path + QStringList{QStringLiteral("Teiler Zahlungsweise")};
    const std::vector<double> divisors =
        r.numbers(r.array(o, path, QStringLiteral("Teiler Zahlungsweise"), 4, 4), divisorPath);
    if (!r.failed()) {
        if (std::any_of(divisors.begin(), divisors.end(), [](double d) { return d <= 0; }))
            r.fail(divisorPath, QStringLiteral("ein Teiler darf nicht 0 oder negativ sein"));
        std::copy(divisors.begin(), divisors.end(), p.premiumDivisors.begin());
    }
    p.riesterDeduction = r.amount(o, path, QStringLiteral("Absetzung Riester-Rente"));

    const QStringList exemptionPath = path + QStringList{QStringLiteral("Freibetrag")};
    const QJsonArray exemption = r.array(o, path, QStringLiteral("Freibetrag"));
    r.objects(exemption, exemptionPath, [&](const QJsonObject& e, const QStringList& ep) {
        ExemptionBand b;
        b.band = r.band(e, ep, QStringLiteral("unter"), QStringLiteral("bis"),
                        p.incomeExemption.size() + 1 == size_t(exemption.size()));
        b.passThrough = e.value(QStringLiteral("unverändert")).toBool(false);
        if (!b.passThrough) {
            b.base = r.amount(e, ep, QStringLiteral("Grundbetrag"));
            b.share = r.share(e, ep, QStringLiteral("Anteil"));
            b.shareFrom = r.amount(e, ep, QStringLiteral("Anteil ab"));
        }
        p.incomeExemption.push_back(b);
    });
    r.checkRising(p.incomeExemption, exemptionPath);
}

void readAssets(Reader& r, const QJsonObject& set, const QStringList& root, ParameterSet& p) {
    const QStringList path = root + QStringList{QStringLiteral("Vermögen")};
    const QJsonObject o = r.object(set, root, QStringLiteral("Vermögen"));
    if (r.failed()) return;
    p.necessaryPurchases = r.amount(o, path, QStringLiteral("Absetzung notwendige Anschaffungen"));
    p.minorAllowance = r.amount(o, path, QStringLiteral("Freibetrag minderjährig"));

    const QStringList adultPath = path + QStringList{QStringLiteral("Freibetrag volljährig")};
    const QJsonArray adult = r.array(o, path, QStringLiteral("Freibetrag volljährig"));
    r.objects(adult, adultPath, [&](const QJsonObject& e, const QStringList& ep) {
        AllowanceRule a;
        const bool last = p.adultAllowance.size() + 1 == size_t(adult.size());
        if (e.contains(QStringLiteral("geboren vor")))
            a.bornBefore = r.date(e.value(QStringLiteral("geboren vor")),
                                  ep + QStringList{QStringLiteral("geboren vor")});
        if (!r.failed() && last == a.bornBefore.has_value())
            r.fail(ep, last ? QStringLiteral("die letzte Regel gilt für alle und hat kein „geboren vor“")
                            : QStringLiteral("jede Regel außer der letzten braucht „geboren vor“"));
        a.perYear = r.amount(e, ep, QStringLiteral("je Lebensjahr"));
        a.minimum = r.amount(e, ep, QStringLiteral("mindestens"));
        a.maximum = r.amount(e, ep, QStringLiteral("höchstens"));
        if (!r.failed() && a.minimum > a.maximum)
            r.fail(ep, QStringLiteral("„mindestens“ ist größer als „höchstens“"));
        p.adultAllowance.push_back(a);
    });
    p.pensionPoolPerYear = r.amount(o, path, QStringLiteral("Altersvorsorge je Lebensjahr"));
    p.pensionPoolMaximum = r.amount(o, path, QStringLiteral("Altersvorsorge höchstens"));
    p.vehicleExemptUpTo = r.amount(o, path, QStringLiteral("Kraftfahrzeug frei bis"));
}

} // namespace

std::optional<EstimateParameters> EstimateParameters::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.exists()) {
        if (error)
            *error = QStringLiteral("Die Parameterdatei der Leistungsberechnung fehlt: %1\n"
                                    "Ohne sie kann keine Leistung berechnet werden.")
                         .arg(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error =
                QStringLiteral("Die Parameterdatei der Leistungsberechnung kann nicht gelesen werden: %1\n%2")
                    .arg(path, file.errorString());
        return std::nullopt;
    }
    return fromJson(file.readAll(), path, error);
}

std::optional<EstimateParameters> EstimateParameters::fromJson(const QByteArray& json, const QString& source,
                                                               QString* error) {
    const auto fault = [&](const QString& what) {
        if (error)
            *error = QStringLiteral("Die Parameterdatei der Leistungsberechnung ist fehlerhaft: %1\n%2")
                         .arg(source, what);
        return std::nullopt;
    };

    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fault(QStringLiteral("Kein gültiges JSON (%1 bei Zeichen %2).")
                         .arg(parseError.errorString())
                         .arg(parseError.offset));
    if (!doc.isObject()) return fault(QStringLiteral("Das Dokument ist kein JSON-Objekt."));
    const QJsonObject top = doc.object();
    if (top.value(QStringLiteral("Format")).toString() != QLatin1String("velmora-leistungsparameter"))
        return fault(QStringLiteral("„Format“ ist nicht „velmora-leistungsparameter“."));
    if (top.value(QStringLiteral("Version")).toInt(-1) != 1)
        return fault(QStringLiteral("Nur „Version“ 1 wird verstanden."));

    Reader r;
    EstimateParameters result;
    result.m_source = source;
    const QStringList setsPath{QStringLiteral("Parametersätze")};
    r.objects(r.array(top, {}, QStringLiteral("Parametersätze")), setsPath,
              [&](const QJsonObject& set, const QStringList& root) {
                  ParameterSet p;
                  p.validFrom = r.date(r.member(set, root, QStringLiteral("gültig ab")),
                                       root + QStringList{QStringLiteral("gültig ab")});
                  readStandardRates(r, set, root, p);
                  readAdditionalNeeds(r, set, root, p);
                  readHousing(r, set, root, p);
                  readSupplement(r, set, root, p);
                  readIncome(r, set, root, p);
                  readAssets(r, set, root, p);
                  result.m_sets.push_back(std::move(p));
              });
    if (r.failed()) return fault(r.error() + QLatin1Char('.'));

    std::sort(result.m_sets.begin(), result.m_sets.end(),
              [](const ParameterSet& a, const ParameterSet& b) { return a.validFrom < b.validFrom; });
    for (size_t i = 1; i < result.m_sets.size(); ++i)
        if (result.m_sets[i].validFrom == result.m_sets[i - 1].validFrom)
            return fault(QStringLiteral("Zwei Parametersätze gelten ab demselben Tag (%1).")
                             .arg(result.m_sets[i].validFrom.toString(QStringLiteral("dd.MM.yyyy"))));
    return result;
}

const ParameterSet* EstimateParameters::setFor(const QDate& day) const {
    const ParameterSet* found = nullptr;
    for (const ParameterSet& s : m_sets)
        if (s.validFrom <= day) found = &s;
    return found;
}

QString EstimateParameters::noSetMessage(const QDate& day) const {
    return QStringLiteral("Die Parameterdatei %1 enthält keinen Parametersatz, der am %2 gilt.")
        .arg(m_source, day.toString(QStringLiteral("dd.MM.yyyy")));
}

} // namespace estimate
