#pragma once
// The program's colours and its one type, named once for every window.

#include <QColor>
#include <QFont>
#include <QString>

namespace lingvaro::ui {

namespace colour {
inline const QColor Navy{0, 0, 128};
inline const QColor Maroon{128, 0, 0};
inline const QColor Green{0, 128, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor Lime{0, 255, 0};
inline const QColor Red{255, 0, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor HelpBlue{0, 0, 160};
inline const QColor Silver{192, 192, 192};
inline const QColor Cream{255, 255, 225};
inline const QColor White{255, 255, 255};
inline const QColor Black{0, 0, 0};
} // namespace colour

// The program's type: Arial metrics (Liberation Sans on Linux), bold unless asked.
inline QString programFamily() { return QStringLiteral("Arial"); }

inline QFont programFont(int pixelSize, bool bold = true)
{
    QFont f(programFamily());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

inline QFont programFontPt(int pointSize, bool bold = true)
{
    QFont f(programFamily());
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace lingvaro::ui
