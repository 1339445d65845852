// lingvaro-tool: for people who write content, and for scripts.
//
//   lingvaro-tool scramble | unscramble       lines from standard input, CR LF out
//   lingvaro-tool show FILE [--json]          how the program reads a data file
//   lingvaro-tool judge FILE N ANSWER [--kind K]
//   lingvaro-tool check [BASEDIR]             problems of an installation
//   lingvaro-tool diagnosis FILE              the diagnosis file as CSV for teachers
//   lingvaro-tool records FILE                a record table (".TNR") as CSV
//   lingvaro-tool menu [--json]               the whole menu tree and the windows it opens
//
// Bad use prints one line on standard error and exits with status 2.

#include "contentmap/menutree.h"
#include "engine/cp1252.h"
#include "engine/diagnosis.h"
#include "engine/engine.h"
#include "engine/recordtable.h"
#include "engine/textfile.h"
#include "tools/contentcheck.h"

#include <QCoreApplication>
#include <QString>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

using namespace lingvaro;
namespace fs = std::filesystem;

namespace {

struct UsageError {
    std::string text;
};

void out(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
}

int filter(bool scramble)
{
    std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    LineWalker lines(input);
    std::string_view line;
    std::string result;
    while (lines.next(line)) {
        result += scramble ? Engine::kryptrad(line) : Engine::dekryptrad(line);
        result += "\r\n";
    }
    std::fwrite(result.data(), 1, result.size(), stdout);
    return 0;
}

int wholeNumber(const std::string& s, const char* what)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        throw UsageError{std::string(what) + " must be a whole number: " + s};
    return value;
}

// Reads FILE as a count-mode read leaves it; the question count is returned.
int readFile(Engine& engine, const fs::path& file)
{
    std::error_code ec;
    if (!fs::is_regular_file(file, ec) || !engine.ordantalFile(file, 1, true, 0))
        throw UsageError{"cannot read " + file.string()};
    return engine.QuestionCounts[1];
}

QString json(std::string_view cp1252)
{
    const QString text = fromCp1252(cp1252);
    QString s = u"\""_qs;
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\n': s += "\\n"; break;
        case '\r': s += "\\r"; break;
        case '\t': s += "\\t"; break;
        default:
            if (c.unicode() < 0x20)
                s += u"\\u%1"_qs.arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                s += c;
        }
    }
    return s + "\"";
}

// A text for JSON: quoted, with what JSON escapes.
QString jsonText(const QString& text)
{
    return json(toCp1252(text));
}

// The menu tree as a content author reads it: each menu with its buttons, the
// file and exercise each names, the check made first and what it opens.
int menu(const std::vector<std::string>& args)
{
    if (args.size() > 1 || (args.size() == 1 && args[0] != "--json"))
        throw UsageError{"usage: lingvaro-tool menu [--json]"};
    const bool asJson = args.size() == 1;
    auto checkName = [](Check c) { return c == Check::Kolla ? u"Kolla"_qs : c == Check::Kolla2 ? u"Kolla2"_qs : u"none"_qs; };
    QString o;
    QStringList menus;
    for (const MenuDef& m : menuTree()) {
        QStringList buttons;
        if (!asJson)
            o += QString::fromUtf8(m.name) + u"  "_qs + QString::fromUtf8(m.title) + u"\n"_qs;
        for (const MenuItem& item : m.items) {
            const QStringList opens = QString::fromLatin1(item.opens).split(u' ', Qt::SkipEmptyParts);
            bool available = true;
            for (const QString& name : opens)
                available = available && (findMenu(name.toStdString()) || availableWindows().count(name.toStdString()));
            const QString caption = QString::fromUtf8(item.caption);
            const QString file = item.dataFile ? QString::fromUtf8(item.dataFile) : QString();
            if (asJson) {
                QStringList quoted;
                for (const QString& name : opens)
                    quoted << jsonText(name);
                buttons << QStringLiteral("{\"caption\": %1, \"file\": %2, \"exerciseNo\": %3, \"check\": \"%4\", "
                                          "\"opens\": [%5], \"available\": %6}")
                               .arg(jsonText(caption), item.dataFile ? jsonText(file) : u"null"_qs)
                               .arg(item.exerciseNo)
                               .arg(checkName(item.check), quoted.join(u", "_qs), available ? u"true"_qs : u"false"_qs);
            } else {
                o += QStringLiteral("  %1 | %2 | %3 | %4 | %5%6\n")
                         .arg(caption, file.isEmpty() ? u"-"_qs : file)
                         .arg(item.exerciseNo)
                         .arg(checkName(item.check), opens.join(u" + "_qs),
                              available ? QString() : u" (finns inte ännu)"_qs);
            }
        }
        if (asJson)
            menus << QStringLiteral("{\"name\": %1, \"title\": %2, \"buttons\": [%3]}")
                         .arg(jsonText(QString::fromUtf8(m.name)), jsonText(QString::fromUtf8(m.title)),
                              buttons.join(u", "_qs));
    }
    if (asJson)
        o = QStringLiteral("{\"menus\": [%1]}\n").arg(menus.join(u", "_qs));
    out(o);
    return 0;
}

int show(const std::vector<std::string>& args)
{
    if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1] != "--json"))
        throw UsageError{"usage: lingvaro-tool show FILE [--json]"};
    const bool asJson = args.size() == 2;
    Engine engine;
    const fs::path file = args[0];
    const int count = readFile(engine, file);

    QString o;
    if (asJson) {
        o = u"{\"headings\": [%1, %2, %3], \"instruction\": %4, \"note\": %5, \"count\": %6, \"questions\": ["_qs
                .arg(json(engine.HeaderLines[1]), json(engine.HeaderLines[2]), json(engine.HeaderLines[3]),
                     json(engine.HeaderInstruction), json(engine.HeaderNote))
                .arg(count);
    } else {
        o = u"Fil: %1\n"_qs.arg(QString::fromStdString(file.string()));
        for (int i = 1; i <= 3; ++i)
            o += u"Rubrik %1: %2\n"_qs.arg(i).arg(fromCp1252(engine.HeaderLines[i]));
        o += u"Instruktion: %1\nAnteckning: %2\nFrågor: %3\n"_qs.arg(fromCp1252(engine.HeaderInstruction),
                                                                   fromCp1252(engine.HeaderNote))
                 .arg(count);
    }
    for (int n = 1; n <= count; ++n) {
        engine.haemtaordFile(file, n);
        engine.str_postarray(engine.CurrentLine);
        if (asJson) {
            o += (n > 1 ? u", "_qs : QString()) + u"{\"n\": %1, \"fields\": ["_qs.arg(n);
            for (int f = 1; f <= FieldCount; ++f)
                o += (f > 1 ? u", "_qs : QString()) + json(engine.AnswerFields[f]);
            o += u"], \"marked\": %1}"_qs.arg(engine.MarkedCount);
        } else {
            QStringList fields;
            int last = 0;
            for (int f = 1; f <= FieldCount; ++f)
                if (!engine.AnswerFields[f].empty())
                    last = f;
            for (int f = 1; f <= last; ++f)
                fields << fromCp1252(engine.AnswerFields[f]);
            o += u"%1. %2"_qs.arg(n, 3).arg(fields.join(" | "));
            if (engine.MarkedCount > 0)
                o += u"   (alternativ: %1)"_qs.arg(engine.MarkedCount);
            o += "\n";
        }
    }
    if (asJson)
        o += "]}\n";
    out(o);
    return 0;
}

int judge(const std::vector<std::string>& args)
{
    int kind = 3;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--kind") {
            if (i + 1 >= args.size())
                throw UsageError{"--kind needs a value 1, 2 or 3"};
            kind = wholeNumber(args[++i], "K");
            if (kind < 1 || kind > 3)
                throw UsageError{"K must be 1, 2 or 3"};
        } else {
            rest.push_back(args[i]);
        }
    }
    if (rest.size() != 3)
        throw UsageError{"usage: lingvaro-tool judge FILE N ANSWER [--kind K]"};
    Engine engine;
    const fs::path file = rest[0];
    const int count = readFile(engine, file);
    const int n = wholeNumber(rest[1], "N");
    if (n < 1 || n > count)
        throw UsageError{"N must be from 1 to " + std::to_string(count)};
    engine.haemtaordFile(file, n);
    engine.str_postarray(engine.CurrentLine);
    const std::string answer = toCp1252(QString::fromUtf8(rest[2].data(), qsizetype(rest[2].size())));
    out(QString::number(engine.svarstest(engine.AnswerFields[2], answer, kind)) + "\n");
    return 0;
}

int check(const std::vector<std::string>& args)
{
    if (args.size() > 1)
        throw UsageError{"usage: lingvaro-tool check [BASEDIR]"};
    fs::path base = args.empty() ? systemDirs(QCoreApplication::applicationDirPath().toStdString()).bundledContent
                                 : fs::path(args[0]);
    std::error_code ec;
    if (!fs::is_directory(base, ec))
        throw UsageError{"no such installation folder: " + base.string()};
    const QStringList problems = checkInstallation(base);
    for (const QString& p : problems)
        out(p + "\n");
    return problems.isEmpty() ? 0 : 1;
}

// One CSV field, quoted when it has to be (RFC 4180).
QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

int diagnosis(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        throw UsageError{"usage: lingvaro-tool diagnosis FILE"};
    const fs::path file = args[0];
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        throw UsageError{"cannot read " + file.string()};
    DiagnosisFile diagnosisFile(file.parent_path());
    std::optional<std::vector<DiagnosisRecordData>> records;
    if (file.filename() == "SPANDIAG.DIA") {
        records = diagnosisFile.readAll();
    } else {
        // Any file of records, an archive too.
        const auto bytes = readFileBytes(file);
        if (bytes) {
            records.emplace();
            for (std::size_t i = 0; i + DiagnosisRecordData::Size <= bytes->size(); i += DiagnosisRecordData::Size)
                records->push_back(
                    DiagnosisRecordData::fromBytes(reinterpret_cast<const unsigned char*>(bytes->data()) + i));
        }
    }
    if (!records)
        throw UsageError{"cannot read " + file.string()};
    QString o = QStringLiteral("name,item,area,result,status,tested\r\n");
    for (const auto& r : *records) {
        for (int item = 1; item <= DiagnosisItems; ++item) {
            const int result = r.DiagnosisResults[item];
            QString tested;
            if (result > 0)
                tested = QStringLiteral("%1-%2-%3 %4:%5")
                             .arg(r.TestYear[item], 4, 10, QChar(u'0'))
                             .arg(r.TestMonth[item], 2, 10, QChar(u'0'))
                             .arg(r.TestDay[item], 2, 10, QChar(u'0'))
                             .arg(r.TestHour[item], 2, 10, QChar(u'0'))
                             .arg(r.TestMinute[item], 2, 10, QChar(u'0'));
            o += QStringList{csvField(fromCp1252(r.PersonName)), QString::number(item),
                             csvField(QString::fromUtf8(diagnosisItemName(item))), QString::number(result),
                             diagnosisStatusText(r.DiagnosisStatus[item]), tested}
                     .join(u',')
                 + QStringLiteral("\r\n");
        }
    }
    out(o);
    return 0;
}

int records(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        throw UsageError{"usage: lingvaro-tool records FILE"};
    const fs::path file = args[0];
    std::error_code ec;
    const auto bytes = fs::is_regular_file(file, ec) ? readFileBytes(file) : std::nullopt;
    if (!bytes)
        throw UsageError{"cannot read " + file.string()};
    const RecordEntries table = parseRecordEntries(*bytes);
    QString o = QStringLiteral("rank,name,tested,score\r\n");
    int rank = 0;
    for (const RecordEntry& r : table.entries)
        o += QStringList{QString::number(++rank), csvField(fromCp1252(r.name)), recordExportTime(r),
                         QString::number(r.score)}
                 .join(u',')
             + QStringLiteral("\r\n");
    out(o);
    if (table.cutOff != 0)
        std::cerr << "lingvaro-tool: " << file.string() << ": the last " << table.cutOff
                  << " bytes are not a whole record and are left out\n";
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.empty())
            throw UsageError{"usage: lingvaro-tool scramble|unscramble|show|judge|check|diagnosis|records|menu ..."};
        const std::string command = args.front();
        args.erase(args.begin());
        if ((command == "scramble" || command == "unscramble") && args.empty())
            return filter(command == "scramble");
        if (command == "show")
            return show(args);
        if (command == "judge")
            return judge(args);
        if (command == "check")
            return check(args);
        if (command == "diagnosis")
            return diagnosis(args);
        if (command == "records")
            return records(args);
        if (command == "menu")
            return menu(args);
        throw UsageError{"unknown command: " + command};
    } catch (const UsageError& e) {
        std::cerr << "lingvaro-tool: " << e.text << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "lingvaro-tool: " << e.what() << '\n';
        return 2;
    }
}
