// The spelling gate: every word of the bundled installation, as the program
// shows it (test files unscrambled, lines split into their fields), is known to
// Hunspell's dictionary of its language or to the content's allow-lists
// (content/spelling/allow-es.txt, allow-sv.txt).
//
// New data files, praise files and pages are found by themselves. A new window
// whose lines mean something else than the translation window's gets its row in
// `windowLanguages` below.

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "engine/textfile.h"
#include "tools/contentrules.h"
#include "tests/engine/testsupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace lingvaro;
namespace fs = std::filesystem;

namespace {

enum class Lang {
    Spanish,
    Swedish,
    Either, // a text that mixes both: a help ("mirar = titta"), a page with Spanish examples
    Source, // the language the file's prompts are in, whichever it is (files translate both ways)
    Target, // the language the file's answers are in
    Skip,   // not words: the "£" rule page name
};

// The language of each field of a question line, by the window that shows it
// (and by exercise number where one of its exercises differs), and of the
// file's heading and instruction lines.
struct WindowLanguages {
    const char* window;
    Lang prompt, answer, help, rulePage, alternative;
    Lang heading = Lang::Swedish;
    int exerciseNo = 0; // 0: every exercise of the window without a row of its own
};

const WindowLanguages windowLanguages[] = {
    {"TSKRIV", Lang::Source, Lang::Target, Lang::Either, Lang::Skip, Lang::Target},
    // "nr 7 – armbågen" # el codo # &codo
    {"TBilden", Lang::Swedish, Lang::Spanish, Lang::Either, Lang::Skip, Lang::Spanish},
    // three Spanish names (the third read as a help) and the Swedish word (also read as one)
    {"TBildvis", Lang::Spanish, Lang::Spanish, Lang::Either, Lang::Skip, Lang::Spanish},
    // The clock: field 1 is the Spanish answer, field 2 the time in digits.
    {"TKlockan", Lang::Spanish, Lang::Skip, Lang::Either, Lang::Skip, Lang::Spanish},
    // The levels: field 1 is the level and the number in digits, field 2 its Spanish words.
    {"TStegran", Lang::Skip, Lang::Spanish, Lang::Either, Lang::Skip, Lang::Spanish},
    // A Spanish sentence with its gap; field 2 the Swedish sentence; field 3 a
    // rule number. The headings name the Spanish words to choose among ("Tiene
    // eller tienen?", "Presens av dar").
    {"TFLERBAR", Lang::Spanish, Lang::Swedish, Lang::Either, Lang::Skip, Lang::Either, Lang::Either},
    // A Spanish question; the answers Swedish word classes or ACK, DAT, PRED.F.
    {"TPassAkt", Lang::Spanish, Lang::Swedish, Lang::Swedish, Lang::Skip, Lang::Swedish, Lang::Either},
    // "Var i huset?": a Spanish thing, a Swedish hint ("£…"), the Spanish rooms.
    {"TPassAkt", Lang::Spanish, Lang::Swedish, Lang::Spanish, Lang::Skip, Lang::Spanish, Lang::Either, 14000},
    // The write-in window: a sentence to translate and its answer sentence, or a
    // Spanish sentence with gaps and helps from field 2 on.
    {"TSkrivinf", Lang::Source, Lang::Target, Lang::Either, Lang::Skip, Lang::Target},
    // The second writing window: the word and its first form; the second form and
    // the Swedish text stand where helps stand in other windows.
    {"Tskriv2", Lang::Spanish, Lang::Spanish, Lang::Either, Lang::Skip, Lang::Spanish},
    // The word lists of the vocabulary quiz ("*.sp1", "*.sp2"): a word and its
    // translation, either way.
    {"TDinaOrd", Lang::Source, Lang::Target, Lang::Either, Lang::Skip, Lang::Target},
    // The odd-word game: four Spanish words (the last two read as helps) and the
    // Swedish comment that names them.
    {"Tkatten", Lang::Spanish, Lang::Spanish, Lang::Either, Lang::Skip, Lang::Spanish},
    // The sentence analysis: a Spanish sentence; the codes of its parts (AO, DO, P, PF, S, -) are no words.
    {"TSats", Lang::Spanish, Lang::Skip, Lang::Skip, Lang::Skip, Lang::Skip},
    // The reveal game's stories and the reading texts: each line Spanish.
    {"Tavsloj", Lang::Spanish, Lang::Skip, Lang::Skip, Lang::Skip, Lang::Skip},
    {"TSpeed", Lang::Spanish, Lang::Skip, Lang::Skip, Lang::Skip, Lang::Skip},
    // Dictation and listening: the Spanish text heard, its Swedish translation,
    // a help, and the other ways of writing the text.
    {"TDiktam", Lang::Spanish, Lang::Swedish, Lang::Either, Lang::Skip, Lang::Spanish},
    // The duel: a Spanish word, its mark (a letter), its Swedish translation.
    {"TFalska", Lang::Spanish, Lang::Skip, Lang::Swedish, Lang::Skip, Lang::Skip},
    // Reading comprehension: a Spanish question, the right answer and the wrong ones.
    {"TInseTxt", Lang::Spanish, Lang::Spanish, Lang::Spanish, Lang::Skip, Lang::Spanish},
};
// A window not in the table yet: its fields are only known to be words.
const WindowLanguages unknownWindow = {"", Lang::Either, Lang::Either, Lang::Either, Lang::Skip, Lang::Either};

Lang languageOf(const WindowLanguages& w, FieldRole role)
{
    switch (role) {
    case FieldRole::Prompt: return w.prompt;
    case FieldRole::Answer: return w.answer;
    case FieldRole::Help: return w.help;
    case FieldRole::RulePage: return w.rulePage;
    case FieldRole::Alternative: return w.alternative;
    }
    return Lang::Either;
}

const WindowLanguages& languagesOfWindow(const std::string& window, int exerciseNo)
{
    for (const auto& w : windowLanguages)
        if (window == w.window && w.exerciseNo == exerciseNo)
            return w;
    for (const auto& w : windowLanguages)
        if (window == w.window && w.exerciseNo == 0)
            return w;
    return unknownWindow;
}

// One piece of text with the language it is checked in and where it stands.
struct Text {
    QString where;
    QString text;
    Lang lang;
};

// The words of a text. Left out, as they are no words of a language: word
// pieces ("hor-", "-mente", "veinti-") and single letters, which point into
// words; parts of file names and paths ("Parlan.Ini", "~/.config"); names
// written in capitals or with capitals inside (SPANDIAG, XXI, ParlanoOwnPath).
// A text in parentheses may be in the other language ("Jag är trött.
// (cansado/-a)"), so it counts as Either.
struct Word {
    QString word;
    bool either;
};

std::vector<Word> wordsOf(const QString& text)
{
    static const QRegularExpression word(u"[\\p{L}]+(?:['’][\\p{L}]+)?"_qs);
    std::vector<Word> out;
    int depth = 0, pos = 0;
    auto it = word.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        for (; pos < m.capturedStart(); ++pos)
            depth += text[pos] == u'(' ? 1 : text[pos] == u')' && depth > 0 ? -1 : 0;
        pos = int(m.capturedEnd());
        const QChar before = m.capturedStart() > 0 ? text[m.capturedStart() - 1] : QChar(u' ');
        const QChar after = m.capturedEnd() < text.size() ? text[m.capturedEnd()] : QChar(u' ');
        const QChar afterNext = m.capturedEnd() + 1 < text.size() ? text[m.capturedEnd() + 1] : QChar(u' ');
        const QString w = m.captured();
        const bool piece = w.size() < 2 || before == u'-' || after == u'-' || before.isDigit() || after.isDigit();
        const bool path = QStringView(u"/\\~*_.@[").contains(before) || QStringView(u"\\_").contains(after)
                          || ((after == u'.' || after == u'/') && (afterNext.isLetter() || afterNext == u'*'));
        const bool name = w.mid(1) != w.mid(1).toLower();
        if (piece || path || name)
            continue;
        out.push_back({m.captured(), depth > 0});
    }
    return out;
}

// What a page shows: tags out (inline ones without a gap, so "habl<b>a</b>"
// stays one word), entities decoded, the head left out.
QString pageText(QString html)
{
    static const QRegularExpression head(u"<head>.*</head>"_qs, QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression inlineTag(u"</?(b|i|u|em|strong|font|span|a|sup|sub)\\b[^>]*>"_qs,
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(u"<[^>]*>"_qs);
    html.remove(head);
    html.remove(inlineTag);
    html.replace(tag, u" "_qs);
    html.replace(u"&nbsp;"_qs, u" "_qs).replace(u"&lt;"_qs, u"<"_qs).replace(u"&gt;"_qs, u">"_qs);
    html.replace(u"&quot;"_qs, u"\""_qs).replace(u"&amp;"_qs, u"&"_qs);
    return html;
}

// Everything an installation shows, as texts with their language.
std::vector<Text> installationTexts(const fs::path& base)
{
    std::vector<Text> texts;
    auto sorted = [](std::vector<fs::path> files) {
        std::sort(files.begin(), files.end());
        return files;
    };
    auto headerLines = [&](const fs::path& file, const QString& shown, Lang lang) {
        forEachLine(file, [&](std::string_view line) {
            if (!line.empty() && line[0] == '$') {
                const std::size_t from = line.size() > 1 && (line[1] == '%' || (unsigned char)line[1] == 0xA7) ? 2 : 1;
                texts.push_back({shown + u" rubrik"_qs, fromCp1252(line.substr(std::min(from, line.size()))), lang});
            }
            return true;
        });
    };

    for (const auto& file : sorted(paths::list(base, "\\DATA", "*.DAT"))) {
        const std::string name = toCp1252(paths::entryName(file));
        const QString shown = paths::entryName(file);
        const std::string window = windowOfDataFile(name);
        const WindowLanguages& langs = languagesOfWindow(window, Engine::GeProgramtal(name));
        headerLines(file, shown, langs.heading);
        const auto lines = readQuestionLines(file);
        EXPECT_TRUE(lines) << name;
        if (!lines)
            continue;
        for (const QuestionLine& q : *lines)
            for (std::size_t f = 0; f < q.fields.size(); ++f)
                texts.push_back({u"%1 fråga %2 fält %3"_qs.arg(shown).arg(q.number).arg(f + 1), fromCp1252(q.fields[f]),
                                 languageOf(langs, q.roles[f])});
    }

    // The word lists, which no menu leaf names: the quiz lists them by their endings.
    std::vector<fs::path> lists = paths::list(base, "\\DATA", "*.sp1");
    for (const auto& list : paths::list(base, "\\DATA", "*.sp2"))
        lists.push_back(list);
    const WindowLanguages& quiz = languagesOfWindow("TDinaOrd", 0);
    for (const auto& file : sorted(lists)) {
        const QString shown = paths::entryName(file);
        headerLines(file, shown, quiz.heading);
        const auto lines = readQuestionLines(file);
        EXPECT_TRUE(lines) << shown.toStdString();
        for (const QuestionLine& q : lines.value_or(std::vector<QuestionLine>{}))
            for (std::size_t f = 0; f < q.fields.size(); ++f)
                texts.push_back({u"%1 fråga %2 fält %3"_qs.arg(shown).arg(q.number).arg(f + 1), fromCp1252(q.fields[f]),
                                 languageOf(quiz, q.roles[f])});
    }

    // The fables of the reading window: Spanish text; its "$" lines are Swedish notes.
    for (const auto& file : sorted(paths::list(base, "\\DATA", "*.LAS"))) {
        const QString shown = paths::entryName(file);
        int n = 0;
        forEachLine(file, [&](std::string_view line) {
            ++n;
            const bool note = !line.empty() && line[0] == '$';
            texts.push_back({u"%1 rad %2"_qs.arg(shown).arg(n), fromCp1252(line.substr(note ? 1 : 0)),
                             note ? Lang::Swedish : Lang::Spanish});
            return true;
        });
    }

    // Praise: the Spanish sentence, then its Swedish lines; the placeholders are no words.
    static const QRegularExpression placeholder(u"<(namn|diagnos|res)>"_qs);
    for (const auto& file : sorted(paths::list(base, "\\DATA", "SpOM*.LOV"))) {
        const QString shown = paths::entryName(file);
        int n = 0;
        forEachLine(file, [&](std::string_view line) {
            if (line.empty() || line[0] == ';' || line[0] == '$')
                return true;
            ++n;
            const QStringList fields = fromCp1252(line).remove(placeholder).split(u'#');
            for (int f = 0; f < fields.size(); ++f)
                texts.push_back({u"%1 rad %2 fält %3"_qs.arg(shown).arg(n).arg(f + 1), fields[f],
                                 f == 0 ? Lang::Spanish : Lang::Swedish});
            return true;
        });
    }

    // Pages: Swedish with Spanish examples all through them.
    std::vector<fs::path> pages = paths::list(base, "\\DATA", "*.htm");
    for (const auto& page : paths::list(base, "\\regler", "*.htm"))
        pages.push_back(page);
    for (const auto& page : sorted(pages)) {
        const auto bytes = readFileBytes(page);
        EXPECT_TRUE(bytes) << page;
        if (bytes)
            texts.push_back({paths::entryName(page), pageText(QString::fromUtf8(bytes->data(), qsizetype(bytes->size()))),
                             Lang::Either});
    }
    return texts;
}

// The words Hunspell's dictionary does not know, of those given.
std::set<QString> unknownWords(const char* dictionary, const std::set<QString>& words, QString* error)
{
    QProcess hunspell;
    hunspell.start(u"hunspell"_qs, {u"-d"_qs, QString::fromLatin1(dictionary), u"-i"_qs, u"UTF-8"_qs, u"-l"_qs});
    if (!hunspell.waitForStarted(10000)) {
        *error = u"hunspell kan inte startas; kör scripts/install-deps.sh"_qs;
        return {};
    }
    QByteArray input;
    for (const QString& w : words)
        input += w.toUtf8() + '\n';
    hunspell.write(input);
    hunspell.closeWriteChannel();
    hunspell.waitForFinished(60000);
    const QString err = QString::fromUtf8(hunspell.readAllStandardError());
    if (hunspell.exitStatus() != QProcess::NormalExit || err.contains(u"Can't open"_qs)) {
        *error = u"hunspell -d %1: %2"_qs.arg(QString::fromLatin1(dictionary), err.trimmed());
        return {};
    }
    std::set<QString> unknown;
    for (const QString& line : QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
        unknown.insert(line.trimmed());
    return unknown;
}

// An allow-list: one word a line, "#" starts a comment; compared without regard to case.
std::set<QString> allowList(const char* name)
{
    std::set<QString> words;
    const auto bytes = readFileBytes(fs::path(LINGVARO_SOURCE_CONTENT) / "spelling" / name);
    EXPECT_TRUE(bytes) << name;
    if (!bytes)
        return words;
    for (QString line : QString::fromUtf8(bytes->data(), qsizetype(bytes->size())).split(u'\n')) {
        line = line.section(u'#', 0, 0).trimmed();
        if (!line.isEmpty())
            words.insert(line.toLower());
    }
    return words;
}

// Every word of an installation that is neither in its language's dictionary
// nor allowed, as "where (language): word"; `error` tells when Hunspell failed.
QStringList misspelledWords(const fs::path& base, QString* error)
{
    const std::vector<Text> texts = installationTexts(base);
    std::set<QString> all;
    for (const Text& t : texts)
        if (t.lang != Lang::Skip)
            for (const Word& w : wordsOf(t.text))
                all.insert(w.word);
    const std::set<QString> notSpanish = unknownWords("es_ES", all, error);
    if (!error->isEmpty())
        return {};
    const std::set<QString> notSwedish = unknownWords("sv_SE", all, error);
    if (!error->isEmpty())
        return {};
    const std::set<QString> allowEs = allowList("allow-es.txt"), allowSv = allowList("allow-sv.txt");
    auto spanish = [&](const QString& w) { return !notSpanish.count(w) || allowEs.count(w.toLower()); };
    auto swedish = [&](const QString& w) { return !notSwedish.count(w) || allowSv.count(w.toLower()); };

    // Which way a file translates: the language whose dictionary knows more of
    // its prompts (and of its answers) is theirs.
    std::map<QString, std::pair<int, int>> sourceVotes, targetVotes; // file → (Spanish, Swedish)
    auto fileOf = [](const QString& where) { return where.section(u" fråga "_qs, 0, 0); };
    for (const Text& t : texts) {
        if (t.lang != Lang::Source && t.lang != Lang::Target)
            continue;
        auto& votes = (t.lang == Lang::Source ? sourceVotes : targetVotes)[fileOf(t.where)];
        for (const Word& w : wordsOf(t.text)) {
            if (w.either)
                continue;
            votes.first += spanish(w.word);
            votes.second += swedish(w.word);
        }
    }
    auto resolved = [&](const Text& t) {
        if (t.lang != Lang::Source && t.lang != Lang::Target)
            return t.lang;
        const auto& votes = (t.lang == Lang::Source ? sourceVotes : targetVotes)[fileOf(t.where)];
        return votes.second > votes.first ? Lang::Swedish : Lang::Spanish;
    };

    QStringList misspelled;
    for (const Text& t : texts) {
        const Lang lang = resolved(t);
        if (lang == Lang::Skip)
            continue;
        for (const Word& w : wordsOf(t.text)) {
            const bool known = w.either || lang == Lang::Either ? spanish(w.word) || swedish(w.word)
                               : lang == Lang::Spanish           ? spanish(w.word)
                                                                 : swedish(w.word);
            if (!known)
                misspelled << u"%1 (%2): %3"_qs.arg(t.where,
                                                    lang == Lang::Spanish   ? u"spanska"_qs
                                                    : lang == Lang::Swedish ? u"svenska"_qs
                                                                            : u"spanska eller svenska"_qs,
                                                    w.word);
        }
    }
    return misspelled;
}

TEST(SpellingGate, EveryWordOfTheBundledContentIsSpelledRight)
{
    const fs::path bundled(LINGVARO_STAGED_CONTENT);
    ASSERT_GT(installationTexts(bundled).size(), 1000u);
    QString error;
    const QStringList misspelled = misspelledWords(bundled, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(misspelled.isEmpty()) << misspelled.size()
                                      << " ord som ordlistan inte känner (rätta stavningen, eller för ett ord som är"
                                         " rätt: lägg det i content/spelling/allow-es.txt eller allow-sv.txt med en"
                                         " kommentar):\n"
                                      << misspelled.join(u'\n').toStdString();
}

// The gate finds a misspelling in each kind of text, in the language of its
// place: a file that translates into Swedish has Swedish answers.
TEST(SpellingGate, FindsMisspellingsWhereverTheyStand)
{
    lingvaro::testing::ScratchDir dir;
    dir.write("DATA/Spa52500.DAT", lingvaro::testing::crlf({
        "$Substantiv", "$\xa7\xd6vers\xe4tt till spanska.",
        "Pablos bil#el coche de Pablo#bil = el coche",
        "flickans bok#el libro de la chica#bok = el libro#&el libro de la nina",  // ñ missing in an alternative
        "mammas katt#el gato de mam\xe1#katt = el gatto",                         // help with a wrong Spanish word
        "hundens boll#la pelota del perro#boll = la pelota",
    }));
    dir.write("DATA/SpOvn105.DAT", lingvaro::testing::crlf({
        "el sol#solen#sol = sol", "la leche#mj\xf6lken#leche = mj\xf6lk", "el perro#hunden#perro = hund",
        "la casa#huset#casa = hus", "el gato#katen#gato = katt",                  // Swedish answer misspelled
    }));
    dir.write("DATA/SpOM9001.LOV", lingvaro::testing::crlf({"\xa1Muy bein!#Mycket bra!"}));
    dir.write("regler/R22200.htm", "<html><head><title>x</title></head><body><p>Plurl p\xc3\xa5 -s: <i>libros</i></p></body></html>");
    QString error;
    QStringList found = misspelledWords(dir.path(), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    found.sort();
    EXPECT_EQ(found, QStringList({u"R22200.htm (spanska eller svenska): Plurl"_qs,
                                  u"SpOM9001.LOV rad 1 fält 1 (spanska): bein"_qs,
                                  u"SpOvn105.DAT fråga 5 fält 2 (svenska): katen"_qs,
                                  u"Spa52500.DAT fråga 2 fält 4 (spanska): nina"_qs,
                                  u"Spa52500.DAT fråga 3 fält 3 (spanska eller svenska): gatto"_qs}));
}

// The pieces of the gate that decide what a word is.
TEST(SpellingGate, WordsAreTakenAsThePupilReadsThem)
{
    auto plain = [](const QString& text) {
        QStringList out;
        for (const Word& w : wordsOf(text))
            out << (w.either ? u"(%1)"_qs.arg(w.word) : w.word);
        return out;
    };
    EXPECT_EQ(plain(u"Jag är trött. (cansado/-a)"_qs), QStringList({u"Jag"_qs, u"är"_qs, u"trött"_qs, u"(cansado)"_qs}));
    EXPECT_EQ(plain(u"Börjar på hor- och slutar på -mente, 21–29: veinti- + 5"_qs),
              QStringList({u"Börjar"_qs, u"på"_qs, u"och"_qs, u"slutar"_qs, u"på"_qs}));
    EXPECT_EQ(plain(u"¡Cómpralo! e blir ie"_qs), QStringList({u"Cómpralo"_qs, u"blir"_qs, u"ie"_qs}));
    EXPECT_EQ(plain(u"filen ~/.config/lingvaro/Parlan.Ini, SPANDIAG.DIA och ParlanoOwnPath. Tryck Enter."_qs),
              QStringList({u"filen"_qs, u"och"_qs, u"Tryck"_qs, u"Enter"_qs}));
    EXPECT_EQ(pageText(u"<head><title>Rubrik</title></head><p>¡habl<b>a</b>!</p><td>ett</td><td>två&nbsp;tre</td>"_qs)
                  .simplified(),
              u"¡habla! ett två tre"_qs);
}

} // namespace
