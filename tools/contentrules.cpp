#include "tools/contentrules.h"

#include "contentmap/menutree.h"
#include "contentmap/windows.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "engine/textfile.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace lingvaro {
namespace fs = std::filesystem;

namespace {

// The windows whose fields the line rules know: a window that reads its lines
// as the translation window does (prompt, answer, helps, "£" page, "&"
// alternatives) is named here when it comes.
bool readsLikeTranslation(const std::string& window)
{
    return window == "TSKRIV" || window == "TBilden" || window == "TSkrivinf" || window == "TDinaOrd";
}

// The window that reads a leaf's data file: the last of those it opens in a row.
std::string lastWord(const char* text)
{
    const std::string s = text ? text : "";
    const std::size_t space = s.rfind(' ');
    return space == std::string::npos ? s : s.substr(space + 1);
}

// "SpDi07.DAT" → 7, "SpOvn107.DAT" → 7; 0 for any other name.
int diagnosisItemOf(const std::string& upperName, bool* test)
{
    static const QRegularExpression pattern(u"^SP(DI(\\d\\d)|OVN1(\\d\\d))\\.DAT$"_qs);
    const auto m = pattern.match(QString::fromLatin1(upperName));
    if (!m.hasMatch())
        return 0;
    *test = !m.captured(2).isEmpty();
    return (*test ? m.captured(2) : m.captured(3)).toInt();
}

bool isDiagnosisTest(const std::string& name)
{
    bool test = false;
    return diagnosisItemOf(upperCp1252(name), &test) != 0 && test;
}

// The words of a text, upper-cased, every run of other characters one space:
// what is compared when one text is looked for inside another.
QString words(const QString& text)
{
    QString s = text.toUpper();
    for (QChar& c : s)
        if (!c.isLetterOrNumber())
            c = u' ';
    return s.simplified();
}

bool containsWords(const QString& haystack, const QString& needle)
{
    return !needle.isEmpty() && (u' ' + haystack + u' ').contains(u' ' + needle + u' ');
}

// A help that spells the answer in pieces ("sencilla + -mente", "syst-rar",
// "cuatro + cientos") gives it away as surely as one that writes it out.
QString joinPieces(QString help)
{
    static const QRegularExpression plusSuffix(u"\\s*\\+\\s*-\\s*"_qs);
    static const QRegularExpression inWordHyphen(u"(\\w)-(\\w)"_qs);
    help.replace(plusSuffix, QString());
    help.replace(inWordHyphen, u"\\1\\2"_qs);
    return help;
}

// Fields of the plain line as "#" separates them, empty ones left out.
int plainFieldCount(std::string_view plain)
{
    int count = 0;
    std::size_t start = 0;
    while (start <= plain.size()) {
        const std::size_t end = std::min(plain.find('#', start), plain.size());
        if (end > start)
            ++count;
        start = end + 1;
    }
    return count;
}

} // namespace

std::string windowOfDataFile(const std::string& name)
{
    const std::string upper = upperCp1252(name);
    for (const MenuDef& menu : menuTree())
        for (const MenuItem& item : menu.items)
            if (item.dataFile && upperCp1252(toCp1252(QString::fromUtf8(item.dataFile))) == upper)
                return lastWord(item.opens);
    bool test = false;
    if (const int item = diagnosisItemOf(upper, &test))
        return diagnosisItemWindowClass(item);
    return {};
}

bool knowsWindowFields(const std::string& window) { return readsLikeTranslation(window); }

std::optional<std::vector<QuestionLine>> readQuestionLines(const fs::path& file)
{
    const auto bytes = readFileBytes(file);
    if (!bytes)
        return std::nullopt;
    // A window whose lines are of more than one kind says where a line's helps start.
    const std::string name = toCp1252(paths::entryName(file));
    const WindowDescriptor* window = findWindow(windowOfDataFile(name));
    const int exerciseNo = Engine::GeProgramtal(name);
    std::vector<QuestionLine> lines;
    LineWalker walker(*bytes);
    std::string_view line;
    while (walker.next(line)) {
        if (line.empty() || line[0] == ';' || line[0] == '$')
            continue;
        QuestionLine q;
        q.number = int(lines.size()) + 1;
        Engine engine;
        engine.str_postarray(std::string(line));
        int last = 0;
        for (int f = 1; f <= FieldCount; ++f)
            if (!engine.AnswerFields[f].empty())
                last = f;
        q.joinedFields = plainFieldCount(Engine::dekryptrad(line)) > FieldCount;
        const int alternatives = engine.MarkedCount;
        int firstHelp = 3;
        if (window && window->firstHelpField) {
            std::vector<std::string> fields(FieldCount + 1);
            for (int f = 1; f <= FieldCount; ++f)
                fields[std::size_t(f)] = engine.AnswerFields[f];
            firstHelp = window->firstHelpField(fields, exerciseNo);
        }
        for (int f = 1; f <= last; ++f) {
            const std::string& field = engine.AnswerFields[f];
            if (field.empty())
                continue;
            FieldRole role = FieldRole::Help;
            if (f == 1)
                role = FieldRole::Prompt;
            else if (f < firstHelp)
                role = FieldRole::Answer;
            else if (f > last - alternatives)
                role = FieldRole::Alternative;
            else if ((unsigned char)field[0] == 0xA3)
                role = FieldRole::RulePage;
            q.fields.push_back(field);
            q.roles.push_back(role);
        }
        lines.push_back(std::move(q));
    }
    return lines;
}

QStringList checkLineRules(const std::string& name, const std::vector<QuestionLine>& lines)
{
    QStringList problems;
    const QString shown = fromCp1252(name);
    const bool test = isDiagnosisTest(name);
    std::map<QString, int> prompts;
    for (const QuestionLine& q : lines) {
        auto report = [&](const QString& text) { problems << u"%1 fråga %2: %3"_qs.arg(shown).arg(q.number).arg(text); };
        QString prompt;
        std::vector<QString> answers, helps;
        for (std::size_t i = 0; i < q.fields.size(); ++i) {
            const QString text = fromCp1252(Engine::MellanslagBort(q.fields[i]));
            switch (q.roles[i]) {
            case FieldRole::Prompt: prompt = text; break;
            case FieldRole::Answer:
            case FieldRole::Alternative: answers.push_back(text); break;
            case FieldRole::Help: helps.push_back(text); break;
            case FieldRole::RulePage: break;
            }
        }
        if (q.joinedFields)
            report(u"fler än 10 fält; de sista slås ihop till ett"_qs);
        if (test && !helps.empty())
            report(u"ett diagnostest har inga hjälptexter"_qs);

        const auto [first, fresh] = prompts.emplace(words(prompt), q.number);
        if (!fresh && !words(prompt).isEmpty())
            report(u"samma fråga som fråga %1"_qs.arg(first->second));

        for (std::size_t i = 1; i < answers.size(); ++i) {
            if (answers[i] == answers[0])
                report(u"alternativet \"%1\" är samma som svaret"_qs.arg(answers[i]));
            else if (std::find(answers.begin() + 1, answers.begin() + long(i), answers[i]) != answers.begin() + long(i))
                report(u"alternativet \"%1\" står två gånger"_qs.arg(answers[i]));
        }

        const QString promptWords = words(prompt);
        for (const QString& answer : answers) {
            if (containsWords(promptWords, words(answer))) {
                report(u"svaret \"%1\" står i frågan"_qs.arg(answer));
                break;
            }
        }
        for (const QString& help : helps) {
            static const QRegularExpression plus(u"\\s*\\+\\s*"_qs);
            const QString plain = words(help), joined = words(joinPieces(help)),
                          glued = words(joinPieces(help).replace(plus, QString()));
            for (const QString& answer : answers) {
                const QString a = words(answer);
                if (containsWords(plain, a) || containsWords(joined, a) || containsWords(glued, a)) {
                    report(u"hjälptexten \"%1\" avslöjar svaret \"%2\""_qs.arg(help, answer));
                    break;
                }
            }
        }
    }
    return problems;
}

QStringList checkContentRules(const fs::path& base)
{
    QStringList problems;
    auto files = paths::list(base, "\\DATA", "*.DAT");
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const std::string name = toCp1252(paths::entryName(file));
        const std::string window = windowOfDataFile(name);
        if (!knowsWindowFields(window))
            continue;
        if (const auto lines = readQuestionLines(file))
            problems << checkLineRules(name, *lines);
    }
    // The files a window finds by a pattern (the word lists).
    for (const WindowDescriptor& window : windowDescriptors()) {
        if (!window.dataFolder || !knowsWindowFields(window.className))
            continue;
        for (const char* pattern : window.listedFiles) {
            auto listed = paths::list(base, QString::fromLatin1(window.dataFolder), QString::fromLatin1(pattern));
            std::sort(listed.begin(), listed.end());
            for (const auto& file : listed)
                if (const auto lines = readQuestionLines(file))
                    problems << checkLineRules(toCp1252(paths::entryName(file)), *lines);
        }
    }
    return problems;
}

} // namespace lingvaro
