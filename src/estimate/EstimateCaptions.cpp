#include "EstimateCaptions.h"

namespace estimate::captions {

QString title() {
    return QStringLiteral("Auswertungen - Bedarfsermittlung");
}

QString warning() {
    return QStringLiteral("Achtung! Aus der Berechnung ergibt sich kein rechtsverbindlicher Anspruch! "
                          "Die ermittelten Werte stellen lediglich grobe Schätzungen dar!");
}

QString waiting() {
    return QStringLiteral("...Berechnung läuft bitte warten...");
}

QString note() {
    return QStringLiteral(
        "Die Berechnung berücksichtigt nicht den eventuellen Kinderzuschlag oder eventuelle "
        "Zuschüsse bei der Befreiung von der Versicherungspflicht und eventuelle geförderte "
        "Altersvorsorge.");
}

QStringList sections() {
    return {QStringLiteral("Regelleistungen"),
            QStringLiteral("Mehrbedarfe"),
            QStringLiteral("Leistung für Unterkunft und Heizung"),
            QStringLiteral("Befristeter Zuschlag nach Bezug von Arbeitslosengeld"),
            QStringLiteral("Anzurechnende Einkommen"),
            QStringLiteral("Anzurechnendes Vermögen"),
            QStringLiteral("Zusammenfassung")};
}

QStringList personColumns() {
    return {QStringLiteral("Name, Vorname"), QStringLiteral("Geb. Datum"), QStringLiteral("Alter"),
            QStringLiteral("Regelbedarf")};
}

QStringList additionalNeedColumns() {
    return {
        QStringLiteral("Name, Vorname"), QStringLiteral("Schwangersch."), QStringLiteral("Alleinerziehend"),
        QStringLiteral("Behinderung"),   QStringLiteral("Art"),           QStringLiteral("Betrag"),
        QStringLiteral("Summe")};
}

QStringList additionalNeedBands() {
    return {QStringLiteral("Mehrbedarf durch"), QStringLiteral("Kostenaufwändige Ernährung")};
}

QString householdHeading() {
    return QStringLiteral("Hauptangaben");
}

QStringList householdRows() {
    return {QStringLiteral("Personen der Bedarfsgem."), QStringLiteral("sonstige Personen"),
            QStringLiteral("Personen gesamt"), QStringLiteral("Wohnfläche"),
            QStringLiteral("angemessene Wohnfläche")};
}

QString rentHeading() {
    return QStringLiteral("Unterkunftskosten");
}

QStringList rentRows() {
    return {QStringLiteral("Miete bzw. Zinsen (Kaltmiete inklusive Nebenkosten ohne Heizungskosten)"),
            QStringLiteral("angemessene Kosten sind"), QStringLiteral("als Bedarf anzuerkennen"),
            QStringLiteral("abzüglich Mietanteile andere Personen"),
            QStringLiteral("Unterkunftsbedarf der Bedarfsgemeinschaft")};
}

QString heatingHeading() {
    return QStringLiteral("Heizungskosten");
}

QStringList heatingRows() {
    return {QStringLiteral("anfallende Heizungskosten"),
            QStringLiteral("angemessene Kosten sind"),
            QStringLiteral("als Bedarf anzuerkennen"),
            QStringLiteral("abzüglich Mietanteile andere Personen"),
            QStringLiteral("anzurechnende Heizungskosten der Bedarfsgemeinschaft"),
            QStringLiteral("Warmwasserbereitung über Heizung (-18%)"),
            QStringLiteral("anzurechnende Kosten für Heizung und Warmwasser")};
}

QString rentLevelPrompt() {
    return QStringLiteral("Wählen Sie die für Sie zutreffende Mietstufe aus:");
}

QString rentLevelNote() {
    return QStringLiteral(
        "Die Liste der Orte mit den jeweiligen Mietspiegeln finden sie im Bereich Drucken / "
        "Originalformulare");
}

QStringList rentLevels() {
    QStringList levels;
    for (int i = 1; i <= 6; ++i)
        levels << QStringLiteral("Mietstufe %1").arg(i);
    return levels;
}

QStringList supplementRows() {
    return {QStringLiteral("letzter Bezug am in Höhe von monatlich"),
            QStringLiteral("bisheriges Wohngeld"),
            QStringLiteral("Anspruch Arbeitslosengeld II und Sozialgeld"),
            QStringLiteral("Diffrenz aus Arbeitslosengeld und ALG II Anspruch * 2/3"),
            QStringLiteral("Zuschlag Kinder (60,00€ je Kind)"),
            QStringLiteral("Maximaler Höchstbetrag"),
            QStringLiteral("Zuschlag im ersten Jahr"),
            QStringLiteral("Zuschlag im zweiten Jahr")};
}

QStringList incomeColumns() {
    return {QStringLiteral("Name, Vorname"), QStringLiteral("Summe Einkommen"),
            QStringLiteral("Summe Absetzung"), QStringLiteral("Freibetrag"),
            QStringLiteral("Anzur. Einkommen")};
}

QStringList assetColumns() {
    return {QStringLiteral("Name, Vorname"), QStringLiteral("Summe Vermögen"),
            QStringLiteral("Summe Absetzung"), QStringLiteral("Freibetrag"),
            QStringLiteral("Anzur. Vermögen")};
}

QStringList resultRows() {
    return {QStringLiteral("Summe Regelbedarf"),
            QStringLiteral("Summe Mehrbedarfe"),
            QStringLiteral("Summe Unterkunft und Heizung"),
            QStringLiteral("Summe Zuschlag Arbeitslosengeld (erstes Jahr)"),
            QStringLiteral("Summe anzurechnendes Einkommen"),
            QStringLiteral("Summe anzurechnendes Vermögen"),
            QStringLiteral("Voraussichtlicher Anspruch")};
}

QString resultPrefix() {
    return QStringLiteral("Voraussichtlicher Anspruch: ");
}

QString notComputable() {
    return QStringLiteral("Der voraussichtliche Anspruch konnte nicht berechnet werden.");
}

} // namespace estimate::captions
