#include "contentmap/menutree.h"

#include "contentmap/windows.h"

#include <iterator>

namespace lingvaro {

const std::vector<MenuDef>& menuTree()
{
    static const std::vector<MenuDef> tree = {
    {"TF1", "Spanien", "Till huvudmenyn", {
        {"Karta", nullptr, 0, Check::None, "TKarta", false},
        {"Flagga och nationalsång", nullptr, 0, Check::None, "TFlagga", false},
        {"Spanska språket", "Spanska språket.Htm", 11300, Check::None, "TVisaHtm", false},
    }},
    {"TF2", "Dina ord", "Till huvudmenyn", {
        {"Ordförrådet", nullptr, 0, Check::None, "TF21", false},
        {"Uttal", nullptr, 0, Check::None, "TF22", true},
    }},
    {"TF21", "Ordförrådet", "Till föregående meny", {
        {"Glosförhör. Allmänna glosor", nullptr, 1001, Check::None, "TDinaOrd", false},
        {"Glosförhör. Speciella glosor", nullptr, 1002, Check::None, "TDinaOrd", false},
        {"Glosförhör. Egna glosor", nullptr, 1003, Check::None, "TDinaOrd", false},
        {"Skriva in egna glosor", nullptr, 0, Check::None, "TEget", true},
        {"Lite biologi", nullptr, 0, Check::None, "TF213", true},
        {"Var i huset?", "SPA14000.DAT", 0, Check::Kolla, "TPassAkt", true},
        {"Rubrik", "SPA15000.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Vilket ord ska bort?", "SPA16000.DAT", 0, Check::Kolla, "TSpelNam Tkatten", true},
    }},
    {"TF213", "Lite biologi", "Till föregående meny", {
        {"Människa", nullptr, 0, Check::None, "TF2131", true},
        {"Växter", nullptr, 0, Check::None, "TF2132", true},
        {"Djur", nullptr, 0, Check::None, "TF2133", true},
    }},
    {"TF2131", "Människa", "Till föregående meny", {
        {"Kroppen", "SPA13110.DAT", 0, Check::Kolla, "TBilden", true},
        {"Huvudet", "SPA13120.DAT", 0, Check::Kolla, "TBilden", true},
        {"Andningsorganen", "SPA13130.DAT", 0, Check::Kolla, "TBilden", true},
        {"Njurarna", "SPA13140.DAT", 0, Check::Kolla, "TBilden", true},
        {"Matsmältningen", "SPA13150.DAT", 0, Check::Kolla, "TBilden", true},
        {"Tänderna", "SPA13160.DAT", 0, Check::Kolla, "TBilden", true},
        {"Skelettet", "SPA13170.DAT", 0, Check::Kolla, "TBilden", true},
    }},
    {"TF2132", "Växter", "Till föregående meny", {
        {"Vilda växter", "SPA13210.DAT", 0, Check::Kolla, "TBildvis", true},
        {"Växter från trädgården", "SPA13220.DAT", 0, Check::Kolla, "TBildvis", true},
        {"Träd och buskar", "SPA13230.DAT", 0, Check::Kolla, "TBildvis", true},
        {"Frukter och bär", "SPA13240.DAT", 0, Check::Kolla, "TBildvis", true},
    }},
    {"TF2133", "Djur", "Till föregående meny", {
        {"Fåglar", "SPA13310.DAT", 0, Check::Kolla, "TBildvis", true},
        {"Däggdjur", "SPA13320.DAT", 0, Check::Kolla, "TBildvis", true},
        {"Tamdjur", "SPA13330.DAT", 0, Check::Kolla, "TBildvis", true},
        {"Insekter och spindlar", "SPA13350.DAT", 0, Check::Kolla, "TBildvis", true},
        {"Fiskar och reptiler", "SPA13340.DAT", 0, Check::Kolla, "TBildvis", true},
        {"Småkryp", "SPA13360.DAT", 0, Check::Kolla, "TSKRIV", true},
    }},
    {"TF22", "Uttal", "Till föregående meny", {
        {"Säg efter alfabetet", "SPA11000.DAT", 0, Check::Kolla, "TDiktam", false},
        {"Diftonger (Lyssna och imitera)", "SPA11100.DAT", 0, Check::Kolla, "TDiktam", true},
        {"Uttal 1 (Lyssna och imitera)", "SPA11200.DAT", 0, Check::Kolla, "TDiktam", true},
        {"Uttal 2 (Lyssna och imitera)", "SPA11300.DAT", 0, Check::Kolla, "TDiktam", true},
        {"Intonation (Lyssna och imitera)", "SPA11400.DAT", 0, Check::Kolla, "TDiktam", true},
        {"Duell 1", "SPA11500.DAT", 0, Check::Kolla, "TFalska", true},
        {"Duell 2", "SPA11600.DAT", 0, Check::Kolla, "TFalska", true},
    }},
    {"TF3", "Lyssna - skriva", "Till huvudmenyn", {
        {"Diktamen 1", "SPA21000.DAT", 0, Check::Kolla, "TDiktam", true},
        {"Diktamen 2", "SPA22000.DAT", 0, Check::Kolla, "TDiktam", false},
        {"Diktamen 3", "SPA23000.DAT", 0, Check::Kolla, "TDiktam", true},
        {"Diktamen 4", "SPA24000.DAT", 0, Check::Kolla, "TDiktam", true},
        {"Skriv bokstaven", "SPA26000.DAT", 0, Check::Kolla, "TDiktam", true},
        {"Skriv ordet", "SPA27000.DAT", 0, Check::Kolla, "TDiktam", true},
    }},
    {"TF5", "Grammatik", "Till huvudmenyn", {
        {"Artiklar", nullptr, 0, Check::None, "TF51", false},
        {"Substantiv", nullptr, 0, Check::None, "TF52", false},
        {"Räkneord", nullptr, 0, Check::None, "TF53", false},
        {"Adjektiv", nullptr, 0, Check::None, "TF504", false},
        {"Pronomen", nullptr, 0, Check::None, "TF54", false},
        {"Verb", nullptr, 0, Check::None, "TF56", false},
        {"Adverb", nullptr, 0, Check::None, "TF506", false},
        {"Prepositioner", nullptr, 0, Check::None, "TF55", false},
        {"Satslösning", nullptr, 0, Check::None, "TF57", false},
    }},
    {"TF51", "Artiklar", "Till föregående meny", {
        {"Bestämd artikel 1 (el, la)", "Spa51100.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Bestämd artikel 2 (el,la,los,las)", "Spa51200.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Obestämd artikel (un, una)", "Spa51300.DAT", 0, Check::Kolla, "TFLERBAR", false},
    }},
    {"TF52", "Substantiv", "Till föregående meny", {
        {"Genus", "Spa52100.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Duell (spel)", "Spa52200.DAT", 0, Check::Kolla, "TFalska", true},
        {"Plural", "Spa52300.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Genitiv", "Spa52500.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Konstruktion med de", "Spa52400.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Finn formen", "Spa52600.DAT", 0, Check::Kolla, "TSKRIV", false},
    }},
    {"TF504", "Adjektiv", "Till föregående meny", {
        {"Komparation", "Spa53100.DAT", 0, Check::Kolla, "Tskriv2", false},
        {"Mycket 1", "Spa53200.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Mycket 2", "Spa53300.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Så, så mycket, så många", "Spa53400.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Ändra från singular till plural", "Spa53500.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Översätt till spanska", "Spa53600.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Fyll i nationalitetsord", "Spa53700.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF53", "Räkneord", "Till föregående meny", {
        {"Grundtal", "Spa54100.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Ordningstal", "Spa54200.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"X-akt", "Spa54300.DAT", 0, Check::Kolla, "TStegran", false},
        {"Klockan", "Spa54400.DAT", 0, Check::Kolla, "TKlockan", true},
        {"Mitt telefonnummer", "Spa54500.DAT", 0, Check::Kolla, "TDiktam", true},
        {"Årtalet", "Spa54600.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Trick 1", "Spa54700.Htm", 54700, Check::None, "TVisaHtm", true},
        {"Trick 2", "Spa54800.Htm", 54800, Check::None, "TVisaHtm", true},
    }},
    {"TF54", "Pronomen", "Till föregående meny", {
        {"Personliga pronomen", nullptr, 0, Check::None, "TF541", true},
        {"Reflexiva pronomen", nullptr, 0, Check::None, "TF542", false},
        {"Possessiva pronomen", nullptr, 0, Check::None, "TF543", false},
        {"Demonstrativa pronomen", "Spa55400.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Relativa pronomen", nullptr, 0, Check::None, "TF545", false},
        {"Interrogativa pronomen", "Spa55610.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Indefinita pronomen", nullptr, 0, Check::None, "TF547", false},
    }},
    {"TF541", "Personliga pronomen", "Till föregående meny", {
        {"Pers pron som dativobjekt", "Spa55110.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Pers pron som ackusativobjekt", "Spa55120.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Två objekt - ack och dat", "Spa55130.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF542", "Reflexiva pronomen", "Till föregående meny", {
        {"Fyll i reflexiva pronomen", "Spa55210.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Besvara jakande", "Spa55220.DAT", 0, Check::Kolla, "TSkrivinf", true},
    }},
    {"TF543", "Possessiva pronomen", "Till föregående meny", {
        {"Förenade 1", "Spa55310.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Förenade 2", "Spa55320.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Självständiga", "Spa55330.DAT", 0, Check::Kolla, "TSkrivinf", true},
    }},
    {"TF545", "Relativa pronomen", "Till föregående meny", {
        {"Som", "Spa55510.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Vars (cuyo, -a, -os, -as)", "Spa55520.DAT", 0, Check::Kolla, "TFLERBAR", false},
    }},
    {"TF547", "Indefinita pronomen", "Till föregående meny", {
        {"Någon", "Spa55710.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Ingen", "Spa55720.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Hel, hela, alla", "Spa55730.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Översätt (alla)", "Spa55740.DAT", 0, Check::Kolla, "TSKRIV", false},
    }},
    {"TF55", "Prepositioner", "Till föregående meny", {
        {"Enkla prepositioner", "Spa58100.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Sammansatta prepositioner", "Spa58200.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF56", "Verb", "Till föregående meny", {
        {"Indikativ- regelbundna verb", nullptr, 0, Check::None, "TF561", false},
        {"Indikativ- oregelbundna verb", nullptr, 0, Check::None, "TF568", false},
        {"Konjunktiv", nullptr, 0, Check::None, "TF5621", false},
        {"Imperativ", nullptr, 0, Check::None, "TF563", false},
        {"Infinitiv", nullptr, 0, Check::None, "TF5641", false},
        {"Reflexiva verb", nullptr, 0, Check::None, "TF5615", false},
    }},
    {"TF561", "Regelbundna verb", "Till föregående meny", {
        {"Konjugation 1 (-ar)", nullptr, 0, Check::None, "TF5611", false},
        {"Konjugation 2 (-er)", nullptr, 0, Check::None, "TF5612", false},
        {"Konjugation 3 (-ir)", nullptr, 0, Check::None, "TF5613", false},
        {"Ändra tempus", nullptr, 0, Check::None, "TF5614", false},
    }},
    {"TF5611", "Konjugation 1 (-ar)", "Till föregående meny", {
        {"Presens", "Spa56111.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Imperfekt", "Spa56112.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Preteritum", "Spa56113.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Perfekt", "Spa56114.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Pluskvamperfekt", "Spa56115.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Futurum", "Spa56116.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Konditionalis", "Spa56117.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Verbet gustar", "Spa56118.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Acabar de 1", "Spa56119.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Acabar de 2", "Spa56110.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5612", "Konjugation 2 (-er)", "Till föregående meny", {
        {"Presens", "Spa56121.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Imperfekt", "Spa56122.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Preteritum", "Spa56123.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Perfekt", "Spa56124.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Pluskvamperfekt 1 och 2", "Spa56125.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Futurum", "Spa56126.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Konditionalis 1 och 2", "Spa56127.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5613", "Konjugation 3 (-ir)", "Till föregående meny", {
        {"Presens", "Spa56131.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Imperfekt", "Spa56132.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Preteritum", "Spa56133.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Perfekt", "Spa56134.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Pluskvamperfekt 1 och 2", "Spa56135.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Futurum", "Spa56136.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Konditionalis 1 och 2", "Spa56137.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5614", "Ändra tempus", "Till föregående meny", {
        {"Ändra till pluskvamperfekt", "Spa56141.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Ändra till futurum", "Spa56142.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Ändra till konditionalis", "Spa56143.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF568", "Oregelbundna verb", "Till föregående meny", {
        {"Estar", nullptr, 0, Check::None, "TF5682", false},
        {"Ser", nullptr, 0, Check::None, "TF5683", false},
        {"Tener", nullptr, 0, Check::None, "TF5684", false},
        {"Andra oregelbundna verb", nullptr, 0, Check::None, "TF5685", false},
        {"Stavningsförändringar", nullptr, 0, Check::None, "TF5687", false},
        {"Blandat", nullptr, 0, Check::None, "TF5686", false},
    }},
    {"TF5687", "Stavningsförändringar", "Till föregående meny", {
        {"För att behålla uttalet", "Spa56781.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Stamvokalen ändras från i till ie", "Spa56782.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Stamvokalen ändras från o till ue", "Spa56783.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Stamvokalen ändras från e till i", "Spa56784.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5682", "Estar", "Till föregående meny", {
        {"Presens", "Spa56410.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Imperfekt", "Spa56420.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Preteritum", "Spa56430.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Perfekt av estar", "Spa56440.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Pluskvamperfekt", "Spa56450.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Futurum", "Spa56460.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Gerundium", "Spa56470.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Fyll i gerundium", "Spa56480.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Ändra presens till gerundium", "Spa56490.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5683", "Ser", "Till föregående meny", {
        {"Presens", "Spa56510.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Imperfekt", "Spa56520.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Preteritum", "Spa56530.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Perfekt", "Spa56540.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Pluskvamperfekt", "Spa56550.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Futurum", "Spa56560.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Estar eller ser?", "Spa56570.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Es eller son.", "Spa56580.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Plural av estar och ser", "Spa56590.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5684", "Tener", "Till föregående meny", {
        {"Presens", "Spa56610.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Måste 1 (jakande svar)", "Spa56620.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Måste 2 (nekande svar)", "Spa56630.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Tiene eller tienen?", "Spa56640.DAT", 0, Check::Kolla, "TFLERBAR", false},
        {"Besvara jakande", "Spa56650.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Besvara nekande", "Spa56660.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5685", "Oregelbundna verb", "Till föregående meny", {
        {"Presens av salir", "Spa56710.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Presens av decir och hacer", "Spa56720.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Presens av saber och venir", "Spa56730.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Presens av poner", "Spa56740.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Presens av oír", "Spa56750.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Presens av dar", "Spa56760.DAT", 0, Check::Kolla, "TFLERBAR", true},
        {"Olika tempus av Ir", "Spa56770.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5686", "Blandat", "Till föregående meny", {
        {"Presens", "Spa5611.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Imperfekt", "Spa5612.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Preteritum", "Spa5613.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Perfekt", "Spa5615.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Pluskvamperfekt", "Spa5616.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Futurum", "Spa5614.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5621", "Konjunktiv", "Till föregående meny", {
        {"Presens", "Spa56811.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Imperfekt", "Spa56812.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Perfekt", "Spa56813.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Pluskvamperfekt", "Spa56814.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Blandat", "Spa56815.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF563", "Imperativ", "Till föregående meny", {
        {"Konjugation 1", "Spa56857.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Konjugation 2", "Spa56858.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Konjugation 3", "Spa56859.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Med ett objektspronomen", "Spa56861.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Med två objektspronomen", "Spa56862.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Blandat", "Spa56860.DAT", 0, Check::Kolla, "TSKRIV", false},
    }},
    {"TF5641", "Infinitiv", "Till föregående meny", {
        {"Infinitiv", "Spa56910.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Bilda futurum med ir + a + infinitiv", "Spa56920.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Ir + a + infinitiv till vanligt futurum", "Spa56930.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Bilda konditionalis med ir + a + infinitiv", "Spa56940.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Ir + a + infinitiv till vanligt konditionalis", "Spa56950.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF5615", "Reflexiva verb", "Till föregående meny", {
        {"Presens", "Spa56210.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Imperfekt", "Spa56220.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Preterium", "Spa56230.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Perfekt", "Spa56240.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Pluskvamperfekt", "Spa56250.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Futurum", "Spa56260.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Blandat", "Spa56270.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF57", "Satslösning", "Till föregående meny", {
        {"Predikat eller subjekt?", "Spa59100.DAT", 0, Check::Kolla, "TSats", false},
        {"Ackusativobjekt?", "Spa59200.DAT", 0, Check::Kolla, "TSats", false},
        {"Ackusativ eller dativ?", "Spa59300.DAT", 0, Check::Kolla, "TSats", false},
        {"Ackusativ, dativ eller predikatsfyllnad?", "Spa59400.DAT", 0, Check::Kolla, "TPassAkt", false},
    }},
    {"TF506", "Adverb", "Till föregående meny", {
        {"Känna igen adverb", "Spa57100.DAT", 0, Check::Kolla, "TPassAkt", false},
        {"Bilda adverb på -mente", "Spa57200.DAT", 0, Check::Kolla, "TSKRIV", false},
        {"Skriv adverbet", "Spa57300.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Adjektiv eller adverb?", "Spa57400.DAT", 0, Check::Kolla, "TSkrivinf", false},
        {"Sammansatta adverb", "Spa57500.DAT", 0, Check::Kolla, "TSkrivinf", false},
    }},
    {"TF6", "Läsa", "Till huvudmenyn", {
        {"Avslöja", "SPA41000.DAT", 0, Check::Kolla2, "Tavsloj", false},
        {"Testa din läshastighet", "SPA42000.DAT", 0, Check::Kolla2, "TSpeed", false},
        {"Topp9", nullptr, 0, Check::None, "Ttop9", false},
        {"Läs och förstå", nullptr, 0, Check::None, "TF61", false},
    }},
    {"TF61", "Läs och förstå", "Till föregående meny", {
        {"Fabel 1", "Spa45100.DAT", 0, Check::Kolla, "TInseTxt", false},
        {"Fabel 2", "Spa45200.DAT", 0, Check::Kolla, "TInseTxt", false},
        {"Fabel 3", "Spa45300.DAT", 0, Check::Kolla, "TInseTxt", false},
        {"Fabel 4", "Spa45400.DAT", 0, Check::Kolla, "TInseTxt", false},
        {"Fabel 5", "Spa45500.DAT", 0, Check::Kolla, "TInseTxt", false},
        {"Fabel 6", "Spa45600.DAT", 0, Check::Kolla, "TInseTxt", false},
    }},
    };
    return tree;
}

const std::set<std::string>& availableWindows()
{
    static const std::set<std::string> windows = [] {
        std::set<std::string> names;
        for (const WindowDescriptor& w : windowDescriptors())
            names.insert(w.className);
        return names;
    }();
    return windows;
}

std::string diagnosisItemWindowClass(int item)
{
    static const char* const windows[] = {
        "TSKRIV",    "TSKRIV",    "TSKRIV",    "TSKRIV",    "TSKRIV",    "TSKRIV",    "TFLERBAR",  "TSKRIV",
        "TFLERBAR",  "TFLERBAR",  "TSKRIV",    "TSkrivinf", "TSkrivinf", "TSKRIV",    "TKlockan",  "TSKRIV",
        "TSkrivinf", "TSkrivinf", "TSkrivinf", "TSkrivinf", "TSkrivinf", "TSKRIV",    "TSKRIV",    "TSkrivinf",
        "TSkrivinf", "TSKRIV",    "TSKRIV",    "TFLERBAR",  "TSkrivinf", "TSkrivinf", "TSkrivinf", "TSkrivinf",
        "TSkrivinf", "TSkrivinf", "TSkrivinf", "TDiktam",   "TDiktam",   "TDiktam",   "TPassAkt",  "TSKRIV",
        "Tskriv2",
    };
    static_assert(std::size(windows) == 41);
    return item >= 1 && item <= 41 ? windows[item - 1] : std::string();
}

const std::map<int, std::string>& diagnosisItemWindows()
{
    static const std::map<int, std::string> items = [] {
        std::map<int, std::string> m;
        for (int item = 1; item <= 41; ++item)
            if (availableWindows().count(diagnosisItemWindowClass(item)))
                m[item] = diagnosisItemWindowClass(item);
        return m;
    }();
    return items;
}

const MenuDef* findMenu(const std::string& name)
{
    for (const auto& menu : menuTree())
        if (name == menu.name)
            return &menu;
    return nullptr;
}

} // namespace lingvaro
