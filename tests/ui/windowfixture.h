#pragma once
// What every window test starts from: the platform's test double, a fresh
// engine on two scratch folders (the hard disk and the medium), the worksheet
// printer, and a stand-in for the diagnosis protocol.

#include "engine/diagnosishost.h"
#include "engine/engine.h"
#include "results/skrivut.h"
#include "tests/engine/testsupport.h"
#include "tests/ui/testplatform.h"
#include "ui/context.h"

#include <QtTest>
#include <memory>

namespace lingvaro::testing {

// Stands in for the diagnosis protocol: records what the windows report.
struct ProtocolStandIn : DiagnosisHost {
    std::vector<int> results;
    std::vector<int> passed;
    int enabled = 0;
    void diagnosback(int value) override { results.push_back(value); }
    void practicePassed(int item) override { passed.push_back(item); }
    void enableProtocol() override { ++enabled; }
};

struct WindowFixture {
    TestPlatform platform;
    Engine engine;
    ScratchDir pc, cd;
    AppContext app{engine, platform};
    ProtocolStandIn protocol;
    std::unique_ptr<TUtskrift> utskrift;

    WindowFixture()
    {
        engine.setPlatform(&platform, &platform, &platform);
        engine.PcPath = pc.path().native();
        engine.CdPath = cd.path().native();
        platform.screen = {1024, 768};
        engine.Random.seed(11);
        engine.WindowRandom.seed(12);
        pc.write("PROGRAM/LINGVARO.INI", "[SETTINGS]\r\nSPAINPICTURES=0\r\n");
        engine.HaemtaTyskaINI();
        utskrift = std::make_unique<TUtskrift>(app);
        app.utskrift = utskrift.get();
        app.diagnosis = &protocol;
        for (int n = 9001; n <= 9016; ++n)
            cd.write("DATA/SpOM" + std::to_string(n) + ".LOV", crlf({"\xa1Muy bien, <namn>!#Bra gjort!"}));
    }
    // A data file of n questions "frågaK#svarK" (with a help text unless told
    // otherwise) under the medium's DATA folder.
    void dataFile(const std::string& name, int n, const std::string& extra = "#hj\xe4lp")
    {
        std::vector<std::string> lines = {"$Rubrik", "$\xa7Skriv p\xe5 spanska."};
        for (int k = 1; k <= n; ++k)
            lines.push_back("fr\xe5ga" + std::to_string(k) + "#svar" + std::to_string(k) + extra);
        cd.write("DATA/" + name, crlf(lines));
    }
    // Catalogues every file of the medium's DATA folder and opens one in a mode,
    // as a menu button or the diagnosis protocol does before its window opens.
    void open(const std::string& name, WorkMode mode = WorkMode::Practice)
    {
        std::vector<std::string> names;
        for (auto& entry : std::filesystem::directory_iterator(cd.path() / "DATA"))
            names.push_back(entry.path().filename().string());
        cd.write("DATA/datfiler.spa", crlf(names));
        engine.BuildDataCatalogue();
        engine.BuildPraiseCatalogue();
        engine.ResetDrawState();
        engine.WorkMode = mode;
        engine.DataFileName = name;
        QVERIFY(engine.Kolla(name));
    }
};

} // namespace lingvaro::testing
