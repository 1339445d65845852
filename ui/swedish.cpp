#include "ui/swedish.h"

#include <QHash>

namespace lingvaro::ui {

QString SwedishFallback::translate(const char*, const char* sourceText, const char*, int) const
{
    static const QHash<QByteArray, QString> texts = {
        {"&Print", QStringLiteral("&Skriv ut")},
        {"Print", QStringLiteral("Skriv ut")},
        {"Cancel", QStringLiteral("Avbryt")},
        {"&Cancel", QStringLiteral("&Avbryt")},
        {"OK", QStringLiteral("OK")},
        {"&OK", QStringLiteral("&OK")},
        {"&Yes", QStringLiteral("&Ja")},
        {"&No", QStringLiteral("&Nej")},
        {"Yes", QStringLiteral("Ja")},
        {"No", QStringLiteral("Nej")},
        {"&Close", QStringLiteral("&Stäng")},
        {"Close", QStringLiteral("Stäng")},
        {"&Options >>", QStringLiteral("&Alternativ >>")},
        {"&Options <<", QStringLiteral("&Alternativ <<")},
        {"Options >>", QStringLiteral("Alternativ >>")},
        {"P&roperties", QStringLiteral("&Egenskaper")},
        {"Properties", QStringLiteral("Egenskaper")},
        {"&Name:", QStringLiteral("&Namn:")},
        {"Location:", QStringLiteral("Plats:")},
        {"Type:", QStringLiteral("Typ:")},
        {"Output &file:", QStringLiteral("Utskrift till &fil:")},
        {"Print to File (PDF)", QStringLiteral("Skriv till fil (PDF)")},
        {"Local file", QStringLiteral("Lokal fil")},
        {"Write PDF file", QStringLiteral("Skriv PDF-fil")},
        {"Printer", QStringLiteral("Skrivare")},
        {"Copies", QStringLiteral("Kopior")},
        {"Pages", QStringLiteral("Sidor")},
        {"Print all", QStringLiteral("Skriv ut allt")},
        {"Pages from", QStringLiteral("Sidor från")},
        {"to", QStringLiteral("till")},
        {"Print range", QStringLiteral("Utskriftsområde")},
        {"Output Settings", QStringLiteral("Utskriftsinställningar")},
        {"Copies:", QStringLiteral("Kopior:")},
        {"Collate", QStringLiteral("Sortera")},
        {"Reverse", QStringLiteral("Omvänd ordning")},
        {"Orientation", QStringLiteral("Orientering")},
        {"Portrait", QStringLiteral("Stående")},
        {"Landscape", QStringLiteral("Liggande")},
        {"%1 already exists.\nDo you want to overwrite it?", QStringLiteral("%1 finns redan.\nVill du skriva över den?")},
    };
    const auto it = texts.constFind(QByteArray(sourceText));
    return it == texts.constEnd() ? QString() : *it;
}

} // namespace lingvaro::ui
