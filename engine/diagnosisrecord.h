#pragma once

#include "engine/tables.h"

#include <array>
#include <cstdint>
#include <string>

namespace lingvaro {

// One learner's record, also the record of the diagnosis file. Read and written
// field by field, little-endian, exactly as laid out on disk.
struct DiagnosisRecordData {
    static constexpr std::size_t Size = 668;

    std::string PersonName; // string[26], code page 1252
    std::string Password;   // string[10]
    Table1<int32_t, DiagnosisItems> DiagnosisResults;
    Table1<uint8_t, DiagnosisItems> DiagnosisStatus;
    Table1<uint16_t, DiagnosisItems> TestYear, TestMonth, TestDay, TestHour, TestMinute;
    std::array<uint8_t, 12> Reserved{}; // never read or set; written back as loaded

    static DiagnosisRecordData fromBytes(const unsigned char* bytes);
    void toBytes(unsigned char* bytes) const;
};

} // namespace lingvaro
