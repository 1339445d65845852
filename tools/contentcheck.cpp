#include "tools/contentcheck.h"
#include "tools/contentrules.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "engine/paths.h"
#include "engine/textfile.h"
#include "contentmap/menutree.h"
#include "contentmap/windows.h"

#include <QRegularExpression>
#include <map>
#include <set>

namespace lingvaro {
namespace fs = std::filesystem;

bool isPlainText(std::string_view line)
{
    for (unsigned char c : line) {
        if (c < 32 || c == 127 || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
            return false;
    }
    return true;
}

namespace {

void checkDataFile(const fs::path& base, const std::string& name, bool praise, QStringList& problems)
{
    const QString shown = fromCp1252(name);
    const auto file = paths::find(base, "\\DATA\\" + shown);
    if (!file) {
        problems << QString("%1: saknas").arg(shown);
        return;
    }
    const auto bytes = readFileBytes(*file);
    if (!bytes) {
        problems << QString("%1: kan inte läsas").arg(shown);
        return;
    }
    LineWalker lines(*bytes);
    std::string_view line;
    int lineNo = 0, questions = 0;
    while (lines.next(line)) {
        ++lineNo;
        if (line.empty() || line[0] == ';' || line[0] == '$')
            continue;
        ++questions;
        if (!isPlainText(Engine::dekryptrad(line)))
            problems << QString("%1 rad %2: blir inte text när den avkodas").arg(shown).arg(lineNo);
    }
    if (questions == 0)
        problems << QString("%1: har inga %2").arg(shown, praise ? u"berömmeningar"_qs : u"frågor"_qs);
}

// The rule pages named by the "£" fields of a data file's lines (from the
// first field that may hold a help, as the window reads the line).
std::vector<std::string> ownRulePages(const fs::path& file, const WindowDescriptor& window, int exerciseNo)
{
    std::vector<std::string> pages;
    forEachLine(file, [&](std::string_view line) {
        if (line.empty() || line[0] == ';' || line[0] == '$')
            return true;
        Engine e;
        e.str_postarray(std::string(line));
        int first = 3;
        if (window.firstHelpField) {
            std::vector<std::string> fields(FieldCount + 1);
            for (int f = 1; f <= FieldCount; ++f)
                fields[std::size_t(f)] = e.AnswerFields[f];
            first = window.firstHelpField(fields, exerciseNo);
        }
        for (int f = first; f <= FieldCount && !e.AnswerFields[f].empty(); ++f)
            if ((unsigned char)e.AnswerFields[f][0] == 0xA3)
                pages.push_back(e.AnswerFields[f].substr(1) + ".htm");
        return true;
    });
    return pages;
}

// The problems a window finds in the lines of one of its data files, and in
// the file as a whole.
void checkLines(const fs::path& file, const WindowDescriptor& window, const std::string& name, QStringList& problems)
{
    if (!window.lineProblems && !window.fileProblems)
        return;
    const int exerciseNo = Engine::GeProgramtal(name);
    int lineNo = 0;
    std::vector<std::vector<std::string>> lines;
    forEachLine(file, [&](std::string_view line) {
        ++lineNo;
        if (line.empty() || line[0] == ';' || line[0] == '$')
            return true;
        Engine e;
        e.str_postarray(std::string(line));
        // The fields as written: the alternatives keep their "&".
        std::vector<std::string> fields(FieldCount + 1);
        int last = 0;
        for (int f = 1; f <= FieldCount; ++f) {
            fields[std::size_t(f)] = e.AnswerFields[f];
            if (!e.AnswerFields[f].empty())
                last = f;
        }
        for (int f = last - e.MarkedCount + 1; f <= last; ++f)
            if (f >= 1)
                fields[std::size_t(f)].insert(0, 1, '&');
        if (window.lineProblems)
            for (const std::string& problem : window.lineProblems(fields, exerciseNo))
                problems << QString("%1 rad %2: %3").arg(fromCp1252(name)).arg(lineNo).arg(QString::fromUtf8(problem));
        lines.push_back(std::move(fields));
        return true;
    });
    if (window.fileProblems)
        for (const std::string& problem : window.fileProblems(lines, exerciseNo))
            problems << QString("%1: %2").arg(fromCp1252(name), QString::fromUtf8(problem));
}

// The first field of every question line of a data file, in file order
// (nothing when the file is missing).
std::vector<std::string> firstFields(const fs::path& base, const std::string& name)
{
    std::vector<std::string> out;
    const auto file = paths::find(base, "\\DATA\\" + fromCp1252(name));
    if (!file)
        return out;
    forEachLine(*file, [&](std::string_view line) {
        if (line.empty() || line[0] == ';' || line[0] == '$')
            return true;
        Engine e;
        e.str_postarray(std::string(line));
        out.push_back(Engine::MellanslagBort(e.AnswerFields[1]));
        return true;
    });
    return out;
}

// A question that repeats another file's question (and plays its recording)
// must say what that recording says.
void checkRepeatedQuestions(const fs::path& base, const WindowDescriptor& window, const std::string& name,
                            QStringList& problems)
{
    const int n = Engine::GeProgramtal(name);
    const std::vector<std::string> own = firstFields(base, name);
    std::map<std::string, std::vector<std::string>> sources;
    for (std::size_t q = 1; q <= own.size(); ++q) {
        const auto [source, m] = window.repeatedQuestion(n, int(q));
        if (source.empty())
            continue;
        auto it = sources.find(source);
        if (it == sources.end())
            it = sources.emplace(source, firstFields(base, source)).first;
        const std::vector<std::string>& lines = it->second;
        const QString where = QString("%1 fråga %2").arg(fromCp1252(name)).arg(q);
        if (m < 1 || std::size_t(m) > lines.size())
            problems << QString("%1: spelar ljudet av fråga %2 i %3, som inte finns").arg(where).arg(m).arg(fromCp1252(source));
        else if (lines[std::size_t(m) - 1] != own[q - 1])
            problems << QString("%1: \"%2\" är inte fråga %3 i %4 (\"%5\"), vars ljud den spelar")
                            .arg(where, fromCp1252(own[q - 1]))
                            .arg(m)
                            .arg(fromCp1252(source), fromCp1252(lines[std::size_t(m) - 1]));
    }
}

// What the windows the program has need from the installation: each leaf's
// data file with its rule pages and other files, as the window's descriptor says.
void checkWindowsNeeds(const fs::path& base, QStringList& problems)
{
    std::set<QString> reported;
    auto need = [&](const QString& relative, const QString& why) {
        if (!paths::exists(base, relative) && reported.insert(relative).second)
            problems << QString("%1 saknas (%2)").arg(QString(relative).replace(u'\\', u'/').mid(1), why);
    };
    std::set<std::string> checkedLines;
    auto exerciseFile = [&](const WindowDescriptor& window, const std::string& name, const QString& why) {
        const QString relative = QString::fromLatin1(window.dataFolder) + fromCp1252(name);
        need(relative, why);
        const int n = Engine::GeProgramtal(name);
        if (const std::string page = window.pageOf(n); !page.empty())
            need(QStringLiteral("\\regler\\") + QString::fromStdString(page), why);
        if (window.exerciseFiles)
            for (const std::string& other : window.exerciseFiles(n))
                need(fromCp1252(other), why);
        if (auto file = paths::find(base, relative)) {
            if (window.questionFiles) {
                int question = 0;
                forEachLine(*file, [&](std::string_view line) {
                    if (!line.empty() && line[0] != ';' && line[0] != '$')
                        for (const std::string& other : window.questionFiles(n, ++question))
                            need(fromCp1252(other), fromCp1252(name) + QStringLiteral(" fråga %1").arg(question));
                    return true;
                });
            }
            for (const auto& own : ownRulePages(*file, window, n))
                need(QStringLiteral("\\regler\\") + fromCp1252(own), fromCp1252(name));
            if (checkedLines.insert(upperCp1252(name)).second) {
                checkLines(*file, window, name, problems);
                if (window.repeatedQuestion)
                    checkRepeatedQuestions(base, window, name, problems);
            }
        }
    };
    for (const MenuDef& menu : menuTree()) {
        for (const MenuItem& item : menu.items) {
            // A leaf may open windows in a row (the player names, then the
            // game): each needs its files, and the last one reads the data file.
            const QStringList opens = QString::fromLatin1(item.opens).split(u' ', Qt::SkipEmptyParts);
            const QString why = QString::fromUtf8(menu.title) + QStringLiteral(" / ") + QString::fromUtf8(item.caption);
            const WindowDescriptor* window = nullptr;
            for (const QString& name : opens) {
                window = findWindow(name.toStdString());
                if (window)
                    for (const char* file : window->fixedFiles)
                        need(QString::fromUtf8(file), why);
            }
            if (window && window->dataFolder && item.dataFile)
                exerciseFile(*window, toCp1252(QString::fromUtf8(item.dataFile)), why);
        }
    }
    // Files a window finds by their names' pattern, each with its line rules.
    for (const WindowDescriptor& window : windowDescriptors()) {
        if (!window.dataFolder)
            continue;
        const QString folder = QString::fromLatin1(window.dataFolder);
        for (const char* pattern : window.listedFiles) {
            const auto files = paths::list(base, folder, QString::fromLatin1(pattern));
            if (files.empty())
                problems << QString("%1: inga filer %2 i %3").arg(QString::fromLatin1(window.className),
                                                                   QString::fromLatin1(pattern), folder.mid(1, folder.size() - 2));
            for (const fs::path& file : files) {
                const std::string name = toCp1252(paths::entryName(file));
                checkDataFile(base, name, false, problems);
                checkLines(file, window, name, problems);
            }
        }
    }
    need(u"\\data\\Lingvaro.htm"_qs, u"Manual"_qs);
    need(u"\\regler\\Diagnos.htm"_qs, u"Diagnos"_qs);
    for (const auto& [item, className] : diagnosisItemWindows()) {
        const WindowDescriptor* window = findWindow(className);
        const QString why = QString("diagnos %1").arg(item);
        const std::string test = QString("SpDi%1.DAT").arg(item, 2, 10, QChar(u'0')).toStdString();
        const std::string practice = QString("SpOvn%1.DAT").arg(100 + item).toStdString();
        for (const std::string& name : {test, practice}) {
            exerciseFile(*window, name, why);
            if (paths::find(base, QStringLiteral("\\DATA\\") + fromCp1252(name)))
                checkDataFile(base, name, false, problems);
        }
    }
}

} // namespace

QStringList checkInstallation(const fs::path& base, bool windowNeeds)
{
    QStringList problems;
    if (!paths::find(base, "\\DATA")) {
        problems << u"katalogen DATA saknas"_qs;
        return problems;
    }

    // Every data and praise file the program would know of.
    Engine engine;
    engine.PcPath = base.native();
    std::set<std::string> named;
    if (const auto list = paths::find(base, "\\DATA\\datfiler.spa")) {
        if (const auto bytes = readFileBytes(*list)) {
            LineWalker lines(*bytes);
            std::string_view line;
            while (lines.next(line))
                if (!line.empty())
                    named.insert(std::string(line));
        }
    } else {
        problems << u"DATA/datfiler.spa saknas"_qs;
    }
    engine.BuildDataCatalogue();
    engine.BuildPraiseCatalogue();
    for (int i = 1; i <= engine.DataFileCount; ++i)
        checkDataFile(base, engine.DataFileCatalogue[i], false, problems);
    for (int i = 1; i <= engine.PraiseFileCount; ++i)
        checkDataFile(base, engine.PraiseFileCatalogue[i], true, problems);
    for (const auto& name : named) {
        const std::string upper = upperCp1252(name);
        const bool known = upper.ends_with(".DAT") || upper.ends_with(".LOV");
        if (!known && !paths::exists(base, "\\DATA\\" + fromCp1252(name)))
            problems << QString("datfiler.spa nämner %1, som saknas").arg(fromCp1252(name));
    }

    for (int n = 9001; n <= 9016; ++n) {
        const QString praise = u"SpOM%1.LOV"_qs.arg(n);
        if (!paths::exists(base, "\\DATA\\" + praise))
            problems << QString("berömfilen %1 saknas").arg(praise);
    }

    if (windowNeeds)
        checkWindowsNeeds(base, problems);
    problems << checkContentRules(base);

    if (!paths::find(base, "\\BILD")) {
        problems << u"katalogen BILD saknas"_qs;
    } else {
        static const QRegularExpression pattern(u"^SPA(\\d{4})\\.BMP$"_qs, QRegularExpression::CaseInsensitiveOption);
        std::set<int> numbers;
        for (const auto& picture : paths::list(base, "\\BILD", "SPA0*.BMP")) {
            const auto m = pattern.match(paths::entryName(picture));
            if (m.hasMatch())
                numbers.insert(m.captured(1).toInt());
        }
        if (numbers.empty())
            problems << u"BILD: inga bilder SPA0001.BMP …"_qs;
        int expected = 1;
        for (int n : numbers) {
            if (n != expected) {
                problems << u"BILD: bilderna är inte numrerade utan luckor (SPA%1.BMP saknas)"_qs.arg(expected, 4, 10, QChar(u'0'));
                break;
            }
            ++expected;
        }
    }
    return problems;
}

} // namespace lingvaro
