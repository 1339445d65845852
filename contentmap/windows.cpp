#include "contentmap/windows.h"

#include "contentmap/pictures.h"
#include "contentmap/reading.h"
#include "contentmap/sentences.h"
#include "contentmap/klockan.h"
#include "contentmap/stegran.h"
#include "contentmap/clickchoice.h"
#include "contentmap/multiplechoice.h"
#include "contentmap/translation.h"
#include "contentmap/twoforms.h"
#include "contentmap/writein.h"
#include "contentmap/wordlists.h"
#include "contentmap/dictation.h"
#include "contentmap/duel.h"
#include "contentmap/fables.h"

namespace lingvaro {

const std::vector<WindowDescriptor>& windowDescriptors()
{
    static const std::vector<WindowDescriptor> windows = {
        // Exercise windows
        {.className = "TSKRIV", .hasRulesButton = translation::hasRulesButton, .rulePage = translation::rulePage},
        {.className = "TBilden", .exerciseFiles = pictures::namingFiles, .lineProblems = pictures::namingLineProblems},
        {.className = "TBildvis", .exerciseFiles = pictures::vocabularyFiles,
         .questionFiles = pictures::vocabularyQuestionFiles, .lineProblems = pictures::vocabularyLineProblems},
        {.className = "TKlockan", .hasRulesButton = klockan::hasRulesButton, .rulePage = klockan::rulePage,
         .lineProblems = klockan::lineProblems, .fileProblems = klockan::fileProblems},
        {.className = "TStegran", .hasRulesButton = stegran::hasRulesButton, .rulePage = stegran::rulePage,
         .lineProblems = stegran::lineProblems, .fileProblems = stegran::fileProblems},
        {.className = "TFLERBAR", .hasRulesButton = multiplechoice::hasRulesButton, .rulePage = multiplechoice::rulePage,
         .lineProblems = multiplechoice::lineProblems, .fileProblems = multiplechoice::fileProblems},
        {.className = "TPassAkt", .hasRulesButton = clickchoice::hasRulesButton, .rulePage = clickchoice::rulePage,
         .lineProblems = clickchoice::lineProblems},
        {.className = "TSkrivinf", .hasRulesButton = writein::hasRulesButton, .rulePage = writein::rulePage,
         .lineProblems = writein::lineProblems, .firstHelpField = writein::firstHelpFieldOf},
        {.className = "Tskriv2", .hasRulesButton = twoforms::hasRulesButton, .rulePage = twoforms::rulePage,
         .lineProblems = twoforms::lineProblems},
        {.className = "TDinaOrd", .listedFiles = {"*.sp1", "*.sp2"}, .lineProblems = wordlists::lineProblems},
        {.className = "TEget", .dataFolder = nullptr},
        {.className = "TSpelNam", .dataFolder = nullptr},
        {.className = "Tkatten", .lineProblems = wordlists::oddWordLineProblems},
        {.className = "TSats", .hasRulesButton = sentences::hasRulesButton, .rulePage = sentences::rulePage,
         .lineProblems = sentences::lineProblems},
        // Reading windows
        {.className = "Tavsloj", .fileProblems = reading::storyFileProblems},
        {.className = "TSpeed", .fileProblems = reading::textFileProblems},
        {.className = "Ttop9", .dataFolder = nullptr, .fixedFiles = {"\\BILD\\TOP9.BMP"}},
        {.className = "TDiktam", .hasRulesButton = dictation::hasRulesButton, .rulePage = dictation::rulePage,
         .questionFiles = dictation::questionFiles, .lineProblems = dictation::lineProblems,
         .fileProblems = dictation::fileProblems, .repeatedQuestion = dictation::repeatedQuestion},
        {.className = "TInseTxt", .exerciseFiles = fables::exerciseFiles, .lineProblems = fables::lineProblems},
        // Games
        {.className = "TFalska", .questionFiles = duel::questionFiles, .lineProblems = duel::lineProblems,
         .fileProblems = duel::fileProblems},
        // Information windows
        {.className = "TVisaHtm", .dataFolder = "\\data\\"},
        {.className = "TKarta", .dataFolder = nullptr, .fixedFiles = {"\\BILD\\KARTA.BMP"}},
        {.className = "TFlagga", .dataFolder = nullptr, .fixedFiles = {"\\BILD\\FLAGGA.BMP", "\\LJUD\\SPANIEN.WAV"}},
    };
    return windows;
}

const WindowDescriptor* findWindow(std::string_view className)
{
    for (const WindowDescriptor& w : windowDescriptors())
        if (className == w.className)
            return &w;
    return nullptr;
}

} // namespace lingvaro
