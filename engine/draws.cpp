// The one random pool every draw reads, praise sentences, pictures and sound.

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"

#include <algorithm>
#include <vector>

namespace lingvaro {

void Engine::ResetDrawState(int first, int last)
{
    PraiseDrawCounters.fill(1);
    PraiseLineCounts.fill(0);
    PictureCursor = 1;
    DrawCounters.fill(1);
    QuestionCounts.fill(0);
    WordDrawCounters.fill(1);
    WordQuestionCounts.fill(0);

    first = std::clamp(first, 1, PoolSize);
    last = std::clamp(last, first, PoolSize);
    std::vector<int32_t> remaining;
    remaining.reserve(std::size_t(last - first + 1));
    for (int v = first; v <= last; ++v)
        remaining.push_back(v);
    for (int pos = first; pos <= last; ++pos) {
        std::uniform_int_distribution<std::size_t> pick(0, remaining.size() - 1);
        const std::size_t r = pick(Random);
        RandomPool[pos] = remaining[r];
        remaining.erase(remaining.begin() + std::ptrdiff_t(r));
    }

    ErrorList.fill(ErrorEntry{});
    WordErrorList.fill(ErrorEntry{});
    ErrorCounts.fill(0);
    WordErrorCounts.fill(0);
    WordListFiles.fill({});
    WordListFingerprints.fill(0);
    CatalogueIndex = 0;
    WordSlot = 0;
}

std::vector<int> Engine::shuffledOrder(int n)
{
    std::vector<int> order;
    for (int v = 1; v <= n; ++v)
        order.push_back(v);
    std::shuffle(order.begin(), order.end(), WindowRandom);
    return order;
}

int Engine::drawFromPool(int counter, int limit, int32_t& advancing)
{
    // A file may hold more questions than the pool has numbers; only the first
    // PoolSize of them are ever drawn.
    limit = std::min(limit, PoolSize);
    int result = 0;
    if (limit > 0) {
        const int wanted = std::clamp(counter, 1, limit);
        int seen = 0;
        for (int i = 1; i <= PoolSize; ++i) {
            if (RandomPool[i] <= limit && ++seen == wanted) {
                result = RandomPool[i];
                break;
            }
        }
    }
    if (advancing >= limit)
        advancing = 1;
    else
        ++advancing;
    return result;
}

int Engine::haemta_slumptal(int counter, int slot)
{
    if (slot < 1 || slot > CatalogueSlots)
        return 0;
    return drawFromPool(counter, QuestionCounts[slot], DrawCounters[slot]);
}

int Engine::haemta_Lovordslumptal(int counter, int slot)
{
    if (slot < 1 || slot > PraiseSlots)
        return 0;
    return drawFromPool(counter, PraiseLineCounts[slot], PraiseDrawCounters[slot]);
}

int Engine::haemta_Bildslumptal()
{
    if (PictureListStale) {
        int j = 0;
        for (int i = 1; i <= PoolSize && j < PictureCount; ++i)
            if (RandomPool[i] <= PictureCount)
                PictureList[++j] = RandomPool[i];
        PictureListStale = false;
    }
    if (PictureCount <= 0) {
        PictureMode = 0;
        warn("Kan inte hitta bilder i katalogen " + paths::display(CdPath, "\\BILD\\"));
        return 0;
    }
    const int result = PictureList[PictureCursor];
    if (PictureCursor < PictureCount)
        ++PictureCursor;
    else
        PictureCursor = 1;
    if (const char* caption = PictureCaptionOf(result))
        PictureCaption = caption;
    return result;
}

void Engine::CountPictures()
{
    PictureCount = 0;
    if (!paths::find(CdPath, "\\BILD")) {
        warn("Kan inte hitta katalogen " + paths::display(CdPath, "\\BILD"));
        return;
    }
    const auto pictures = paths::list(CdPath, "\\BILD", "SPA0*.BMP");
    PictureCount = int32_t(std::min<std::size_t>(pictures.size(), MaxPictures));
}

int Engine::GeDiagnosNr(int n)
{
    struct Range {
        int from, to, item;
    };
    static constexpr Range table[] = {
        {52101, 52101, 1},  {52100, 52100, 7},  {52300, 52300, 8},  {51100, 51100, 9},  {51200, 51200, 9},
        {51300, 51300, 10}, {53100, 53100, 11}, {53300, 53400, 11}, {55310, 55310, 12}, {55320, 55320, 12},
        {55110, 55130, 13}, {54100, 54100, 14}, {54400, 54400, 15}, {56111, 56111, 16}, {56121, 56121, 16},
        {56131, 56131, 16}, {56114, 56114, 17}, {56124, 56124, 17}, {56134, 56134, 17}, {56112, 56112, 18},
        {56122, 56122, 18}, {56132, 56132, 18}, {56113, 56113, 19}, {56123, 56123, 19}, {56133, 56133, 19},
        {56117, 56117, 20}, {56127, 56127, 20}, {56137, 56137, 20}, {56116, 56116, 21}, {56126, 56126, 21},
        {56136, 56136, 21}, {56128, 56128, 22}, {56138, 56138, 22}, {56860, 56860, 23}, {5611, 5611, 24},
        {5615, 5615, 25},   {56410, 56410, 26}, {56510, 56510, 27}, {56570, 56590, 28}, {56610, 56610, 29},
        {56640, 56640, 29}, {56720, 56720, 30}, {56920, 56920, 31}, {56930, 56930, 32}, {56118, 56118, 33},
        {56781, 56781, 34}, {56782, 56784, 35}, {26000, 26000, 36}, {21000, 21000, 37}, {22000, 22000, 38},
        {57100, 57100, 39}, {57200, 57200, 40},
    };
    for (const auto& r : table)
        if (n >= r.from && n <= r.to)
            return r.item;
    return 0;
}

void Engine::HaemtaLovordFilNamn()
{
    const int s = GeDiagnosNr(ExerciseNo);
    const int r = s != 0 ? DiagnosisResults[s] : 0;
    const bool named = !PersonName.empty();
    int number = 9001;
    if (CorrectCount == QuestionTotal) {
        if (s != 0)
            number = r == 20 ? 9011 : (r > 0 && r < 20) ? 9009 : r == 0 ? (named ? 9007 : 9003) : 9001;
        else
            number = named ? 9005 : 9001;
    } else if (QuestionTotal == CorrectCount + 1) {
        if (s != 0)
            number = r == 20 ? 9012 : (r > 0 && r < 20) ? 9010 : r == 0 ? (named ? 9008 : 9004) : 9001;
        else
            number = named ? 9006 : 9002;
    } else if (QuestionTotal == CorrectCount + 2) {
        number = s != 0 ? (named ? 9016 : 9014) : (named ? 9015 : 9013);
    }
    PraiseFileName = cut("SpOM" + std::to_string(number) + ".LOV", 12);
}

bool Engine::KollaLovOrd(const std::string& name)
{
    PraiseIndex = 1;
    while (PraiseIndex < PraiseFileCount && name != PraiseFileCatalogue[PraiseIndex])
        ++PraiseIndex;
    // A name the catalogue does not hold has no praise to give; counting it in
    // the last file's place would make the series end in a missing-file message.
    if (PraiseFileCount == 0 || name != PraiseFileCatalogue[PraiseIndex])
        return false;
    if (PraiseLineCounts[PraiseIndex] != 0)
        return true;
    ordantal(name, PraiseIndex, true, 1);
    return PraiseLineCounts[PraiseIndex] > 0;
}

std::string Engine::LovordMen(std::string_view text) const
{
    const int item = GeDiagnosNr(ExerciseNo);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (text[i] == '<') {
            if (rest.starts_with("<namn")) {
                out += PersonName;
                i += 4;
                continue;
            }
            if (rest.starts_with("<diagnos")) {
                out += std::to_string(item);
                i += 7;
                continue;
            }
            if (rest.starts_with("<res")) {
                out += std::to_string(item != 0 ? DiagnosisResults[item] : 0);
                i += 3;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    std::erase(out, '>');
    return out;
}

void Engine::GeLjudDirectory()
{
    switch (ExerciseNo) {
    case 37: case 38: case 11000: case 25000: SoundSubdir = "Sp250"; break;
    case 11100: SoundSubdir = "Sp111"; break;
    case 11200: SoundSubdir = "Sp112"; break;
    case 11300: SoundSubdir = "Sp113"; break;
    case 11400: SoundSubdir = "Sp114"; break;
    case 11500: SoundSubdir = "Sp115"; break;
    case 11600: SoundSubdir = "Sp116"; break;
    case 21000: SoundSubdir = "Sp210"; break;
    case 22000: SoundSubdir = "Sp220"; break;
    case 23000: SoundSubdir = "Sp230"; break;
    case 24000: SoundSubdir = "Sp240"; break;
    case 26000: SoundSubdir = "Sp260"; break;
    case 27000: SoundSubdir = "Sp270"; break;
    case 54500: SoundSubdir = "Sp545"; break;
    default: break;
    }
}

QString Engine::soundPath(const std::string& name) const
{
    const QString sub = SoundSubdir.empty() ? u"\\LJUD\\"_qs : "\\LJUD\\" + fromCp1252(SoundSubdir) + "\\";
    return sub + fromCp1252(name);
}

std::optional<std::filesystem::path> Engine::findSound(const std::string& name) const
{
    const QString relative = soundPath(name);
    auto file = paths::find(PcPath, relative);
    if (!file)
        file = paths::find(CdPath, relative);
    return file;
}

QString Engine::missingSoundText(const std::string& name) const
{
    return "Ljudfilen " + paths::display(CdPath, soundPath(name)).toUpper() + "  finns inte eller är felaktig.";
}

void Engine::SpelaUppWavLjud(const std::string& name)
{
    const auto file = findSound(name);
    if (!file) {
        inform(missingSoundText(name));
        return;
    }
    const int n = ExerciseNo;
    const bool wait = n == 11500 || n == 11600 || (n >= 31100 && n <= 31400);
    if (!sound_->play(QString::fromStdString(file->native()), wait))
        fail(sound_->errorText());
}

const char* Engine::PictureCaptionOf(int n)
{
    // The captions are the program's own Spanish texts, in code page 1252.
    static const char* const captions[] = {
        "Calle de un pueblo castellano",
        "Pescadores descansando a la sombra de las barcas.",
        "Transporte en los a\xf1os 60.",
        "A casa despu\xe9s del trabajo.",
        "Atardecer en la costa.",
        "Playa sin muchos turistas.",
        "Bar rural.",
        "El fot\xf3grafo Fenno respirando aire puro a principios de oto\xf1o",
        "Pueblo andaluz",
        "Vista desde la Alhambra.",
        "Edificio solitario en las afueras de la ciudad.",
        "Ni\xf1os locales alrededor de los turistas suecos.",
        "Patio interior de un convento",
        "Ayuntamiento y plaza mayor con sobreportales.",
        "Monta\xf1" "as en Extremadura.",
        "Estaci\xf3n de tren en Salamanca.",
        "Patio de los leones de la Alhambra en Granada.",
        "Salida de agua de la cueva.",
        "En el estrecho de Gibraltar.",
        "Gibraltar a lo lejos.",
        "Vi\xf1" "edos en el sur de Espa\xf1" "a",
        "Vista de la sierra desde Riaza (Segovia).",
        "Reba\xf1o de ovejas.",
        "Transporte de arena.",
        "Charla en la bodega de casa.",
        "Atasco en carretera. Hora de la merienda.",
        "Entrada a Espa\xf1" "a por Ir\xfan.",
        "En el Pa\xeds Vasco, al fondo los Pirineos",
        "De compras en el mercadillo.",
        "Puerto de monta\xf1" "a de Piqueras (Soria).",
        "Pueblo en el Pa\xeds Vasco",
        "Iglesia de San Gin\xe9s, Guadalajara",
        "Buscando la sombra",
        "La meseta castellana",
        "Bodega en una casa privada",
        "Calle en una peque\xf1" "a ciudad",
        "Antigua casa de los Mendoza",
        "Nidos de cig\xfc" "e\xf1" "as",
        "Casa natal de Cervantes (Alcal\xe1 de Henares)",
        "Cardos en zona residencial",
        "Iglesia",
        "Merienda entre amigos",
        "Plaza Cervantes de Alcal\xe1 de Henares",
        "Contraste de viviendas",
        "Mujeres de excursi\xf3n",
        "Hombres de excursi\xf3n",
        "Vista de un pueblo castellano (Alhondiga)",
        "Universidad de Alcal\xe1 de Henares",
        "Espa\xf1" "a taurina",
        "Las tormenteras del r\xedo Tajo",
        "Iglesia \xe1rabe del siglo XI",
        "Calle con sobreportales",
        "Plaza de toros",
        "Plaza Cervantes en Alcal\xe1 de Henares",
        "Iglesia concatedral de Alcal\xe1 de Henares",
        "Vista de calle madrile\xf1" "a",
    };
    static_assert(std::size(captions) == 56);
    return n >= 1 && n <= 56 ? captions[n - 1] : nullptr;
}

} // namespace lingvaro
