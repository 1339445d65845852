#pragma once
// What an exercise window reports to the diagnosis protocol while it runs a
// diagnosis test or practice. The protocol window implements it; the series of
// an exercise calls it, so neither needs to know the other's widgets.

namespace lingvaro {

class DiagnosisHost {
public:
    virtual ~DiagnosisHost() = default;
    // Stores the result of the item being tested, saves it and redraws the protocol.
    virtual void diagnosback(int value) = 0;
    // A practice has been passed: the item becomes "Testa" and the protocol shows it.
    virtual void practicePassed(int item) = 0;
    // The protocol window takes input again.
    virtual void enableProtocol() = 0;
};

} // namespace lingvaro
