#pragma once
// The program's process-wide state and the services every window uses. One
// Engine object is made at start and handed to every window; nothing lives in
// hidden globals, so each test starts from a fresh one.
//
// Text fields hold code page 1252 bytes (see cp1252.h). Tables are 1-based with
// the program's fixed bounds; slot 0 exists only so that indices read as they
// are meant, and is never used.

#include "engine/diagnosisrecord.h"
#include "engine/ports.h"
#include "engine/tables.h"
#include "engine/workmode.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace lingvaro {

// The operations on the list of wrongly answered questions (haemtafel).
enum class ErrorOp {
    FetchFirst = 0,   // the first stored question of the file becomes the current line
    RemoveFirst = 1,  // answered right in a correction pass: out of the list
    MoveToBack = 2,   // wrong again in a correction pass: behind the file's other entries
    Store = 3,        // answered wrong: (QuestionNo, CatalogueIndex) is kept
};

// Answer codes of svarstest.
constexpr uint16_t AnswerRight = 0;
constexpr uint16_t AnswerEmpty = 6000;
constexpr uint16_t AnswerWrong = 60000;

// Where the start-up looks for the path file and sets up a first installation.
struct PlatformDirs {
    std::vector<std::filesystem::path> configDirs; // XDG config folders, most personal first
    std::filesystem::path userConfigDir;           // where a first run writes lingvaro/Parlan.Ini
    std::filesystem::path userDataDir;             // where a first run sets up lingvaro/
    std::filesystem::path bundledContent;          // the sample installation shipped with the program
};

class Engine {
public:
    Engine();

    // --- the platform -----------------------------------------------------
    void setPlatform(MessageSink* messages, TextMeasurer* measurer, SoundPlayer* sound);
    MessageSink& messages() { return *messages_; }
    void inform(const QString& text) { messages_->show(MessageSink::Kind::Information, text); }
    void warn(const QString& text) { messages_->show(MessageSink::Kind::Warning, text); }
    void fail(const QString& text) { messages_->show(MessageSink::Kind::Error, text); }

    // --- start-up ---------------------------------------------------------
    // The engine's part of the start, before any window exists. False when the
    // program cannot go on (no data directory) — the message was shown.
    bool Start(const PlatformDirs& dirs);
    // Reads Parlan.Ini; with none, sets up the per-user installation first.
    void ReadPathIni(const PlatformDirs& dirs);
    // Reads "\PROGRAM\LINGVARO.INI" (PcPath first, then CdPath).
    void HaemtaTyskaINI();
    // Writes the three settings to PcPath's "\PROGRAM\LINGVARO.INI". False on failure.
    bool WriteSettingsIni();
    // The path file found at start, or empty when a first run wrote a new one.
    std::filesystem::path pathIniFile;

    // --- catalogue and lines ---------------------------------------------
    bool BuildDataCatalogue(); // false: no data directory, the program ends
    void BuildPraiseCatalogue();
    bool Kolla(const std::string& name);
    bool Kolla2(const std::string& name);
    void ordantal(const std::string& name, int slot, bool countMode, int kind);
    void haemtaord(const std::string& name, int n);
    void haemtafel(const std::string& name, ErrorOp op);
    void str_postarray(const std::string& line);
    static std::string dekryptrad(std::string_view line);
    static std::string kryptrad(std::string_view line);
    // kryptrad's scrambling whatever the text begins with; dekryptrad reads it back.
    static std::string scramble(std::string_view line);
    static uint16_t GeProgramtal(std::string_view name);

    // The same reading done on a file of this system, for the content tool.
    // ordantalFile returns false when the file could not be opened.
    bool ordantalFile(const std::filesystem::path& file, int slot, bool countMode, int kind);
    bool haemtaordFile(const std::filesystem::path& file, int n);

    // --- comparison and text ---------------------------------------------
    uint16_t svarstest(const std::string& expected, std::string given, int kind);
    int GreenRedTest(std::string typed, const std::string& expected) const;
    static std::string MellanslagBort(std::string_view text);
    void LetaPrep(std::string_view text);
    void dela_mening(int left, int right, const std::string& text, int count);
    // The same, measured in the font the lines are painted in (a window's label
    // font, already scaled with the window) instead of the engine's own.
    void dela_mening(int left, int right, const std::string& text, int count, const FontSpec& paintedIn);

    // --- draws, praise, pictures, sound ------------------------------------
    void ResetDrawState(int first = 1, int last = PoolSize);
    void CountPictures();
    int haemta_slumptal(int counter, int slot);
    int haemta_Lovordslumptal(int counter, int slot);
    int haemta_Bildslumptal();
    void HaemtaLovordFilNamn();
    bool KollaLovOrd(const std::string& name);
    std::string LovordMen(std::string_view text) const;
    static int GeDiagnosNr(int exerciseNo);
    void GeLjudDirectory();
    void SpelaUppWavLjud(const std::string& name);
    // The sound file `name` of SoundSubdir under PcPath, else under CdPath, and
    // the message for one that is in neither (for windows that play on their own).
    std::optional<std::filesystem::path> findSound(const std::string& name) const;
    QString missingSoundText(const std::string& name) const;
    static const char* PictureCaptionOf(int n); // cp1252; nullptr outside 1..56

    // Random numbers for every draw; tests seed it to make draws repeatable.
    std::mt19937 Random;
    // A random order of 1..n for a window that shuffles for itself (alternatives,
    // levels, panels): drawn from its own generator, so it never moves the
    // question draws or the error list of the series.
    std::vector<int> shuffledOrder(int n);
    std::mt19937 WindowRandom;

    // --- process-wide state ------------------------------------------------
    // Paths and settings
    std::string CdPath, PcPath;                 // directories of this system (UTF-8)
    std::string ScoreDir, DiagnosisDir, OwnDir; // likewise
    int AnswerShowSeconds = 3;
    uint8_t SoundMode = 1;
    uint8_t PictureMode = 1;
    uint16_t ScaleFactor = 100;
    uint16_t LetterWidth = 8;
    lingvaro::WorkMode WorkMode = lingvaro::WorkMode::Practice;

    // Catalogue
    Table1<std::string, CatalogueSlots> DataFileCatalogue;
    uint16_t DataFileCount = 0;
    Table1<std::string, PraiseSlots> PraiseFileCatalogue;
    uint16_t PraiseFileCount = 0;
    Table1<int32_t, CatalogueSlots> QuestionCounts;
    Table1<int32_t, CatalogueSlots> DrawCounters;
    Table1<int32_t, PraiseSlots> PraiseLineCounts;
    Table1<int32_t, PraiseSlots> PraiseDrawCounters;
    int32_t CatalogueIndex = 1;
    std::string DataFileName;
    uint16_t ExerciseNo = 0;

    // Current file and line
    Table1<std::string, 3> HeaderLines;
    std::string HeaderInstruction, HeaderNote;
    std::string CurrentLine;
    uint16_t QuestionNo = 1;
    int32_t ErrorQuestionNo = 0;
    bool CorrectionPass = false;
    Table1<std::string, FieldCount> AnswerFields;
    uint16_t MarkedCount = 0;

    // Error list
    Table1<ErrorEntry, ErrorListSize> ErrorList;
    Table1<int32_t, CatalogueSlots> ErrorCounts;

    // Text utilities
    Table1<std::string, 5> PrepParts;
    Table1<std::string, 3> SplitLines;
    bool SmallFontOnce = false;

    // Draws, pictures, praise, sound
    Table1<int32_t, PoolSize> RandomPool;
    int32_t PictureCount = 0;
    Table1<int32_t, MaxPictures> PictureList;
    int32_t PictureCursor = 1;
    bool PictureListStale = true;
    int32_t PictureNo = 0;
    std::string PicturePath;
    std::string PictureCaption;
    std::string PraiseFileName;
    int32_t PraiseIndex = 0;
    std::string SoundSubdir;

    // Series (set by the exercise windows)
    static constexpr int QuestionsPerSeries = 10;
    static constexpr int DiagnosisRoundSize = 20;
    static constexpr int DiagnosisPassMark = 12;
    int QuestionTotal = 0, SeriesSize = 10, SeriesPos = 0, CorrectCount = 0, WrongCount = 0;
    bool LastAnswerRight = false;
    int TickCount = 0;

    // Passwords (the new-password dialog and the diagnosis login)
    std::string TeacherPassword;

    // Diagnosis and names
    int DiagnosisItem = 0;
    int PracticeRound = 0; // diagnosis practice series done; 5 marks an item just passed
    bool ProtocolChanged = false;    // a result is stored and not yet saved
    int ProtocolRow = 1;             // the protocol row last chosen
    bool DiagnosisDirTested = false; // the diagnosis folder is checked once a run
    DiagnosisRecordData DiagnosisRecord; // the logged-in learner's record
    std::string& PersonName = DiagnosisRecord.PersonName;                  // string[26]
    std::string& Password = DiagnosisRecord.Password;                      // string[10]
    Table1<int32_t, DiagnosisItems>& DiagnosisResults = DiagnosisRecord.DiagnosisResults;
    std::string PupilName, PlayerName2, PlayerName3;
    int PlayerCount = 0;           // players of a game: 1..3, 0 before the names were first asked
    bool PlayersCancelled = false; // the player names were left with "&Para"

    // Vocabulary quiz tables that outlive its window
    Table1<int32_t, WordListSlots> WordDrawCounters;
    Table1<int32_t, WordListSlots> WordQuestionCounts;
    Table1<ErrorEntry, WordErrorListSize> WordErrorList;
    Table1<int32_t, WordErrorSlots> WordErrorCounts;
    int32_t WordSlot = 0;
    // The list each slot holds (its path) and a fingerprint of its contents, so
    // that a list keeps its slot wherever it stands in a menu's list, and a list
    // that has changed since it was counted starts its slot afresh.
    Table1<std::string, WordListSlots> WordListFiles;
    Table1<uint64_t, WordListSlots> WordListFingerprints;
    std::string WordFilePath;  // the list being quizzed (a path of this system)
    std::string WordListTitle; // its name as shown (cp1252, string[50])
    // The record table of the list and the entry it is to take.
    std::string RecordTablePath;
    std::string RecordName; // cp1252, string[21]
    uint16_t RecordScore = 0;

    // Main window
    Table1<int32_t, 6> StartPictures;

    // Worksheet: the print list being gathered and printed
    std::string WorksheetHeading;
    int WorksheetBlockCount = 0;
    int WorksheetTaskCount = 0;
    bool WorksheetHeadPending = false; // the exercise heading goes first into the list
    bool PrintWithAnswers = false;
    bool PrintHeadingNeeded = true;    // the next printout starts with the heading block
    int PageNo = 1;

private:
    // PcPath + sub + name when it exists, else CdPath + sub + name (which may not exist).
    std::filesystem::path locate(const QString& relative) const;
public:
    // A content file under PcPath, else under CdPath; nothing when neither has it.
    std::optional<std::filesystem::path> findContentFile(const QString& relative) const;
private:
    QString soundPath(const std::string& name) const;
    void readHeaderLine(const std::string& line, int& headingSlot);
    void breakLines(double width, const std::string& text, int count, const FontSpec& font);
    std::optional<std::vector<std::string>> scanData(const QString& pattern);
    int usedErrorEntries() const;
    int drawFromPool(int counter, int limit, int32_t& advancing);

    SilentPlatform silent_;
    MessageSink* messages_ = &silent_;
    TextMeasurer* measurer_ = &silent_;
    SoundPlayer* sound_ = &silent_;
};

// A string[N] field: the text cut to at most n bytes.
inline std::string cut(std::string_view s, std::size_t n) { return std::string(s.substr(0, n)); }

} // namespace lingvaro

namespace lingvaro {
// Copies the word lists ("*.sp1", "*.sp2") of the installation `from` into the
// DATA folder of the hard-disk installation `pc` where it lacks them: a list
// already there is never replaced, so a teacher's own version stays.
void copyMissingWordLists(const std::filesystem::path& from, const std::filesystem::path& pc);
// The folders of this system for the start-up, for a program in executableDir.
PlatformDirs systemDirs(const std::filesystem::path& executableDir);
} // namespace lingvaro
