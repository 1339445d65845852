#pragma once
// The program's colours and its one type, named once for every window.

#include <QColor>
#include <QFont>
#include <QString>

#include <algorithm>
#include <cmath>

namespace lingvaro::ui {

namespace colour {
inline const QColor Navy{0, 0, 128};
inline const QColor Maroon{128, 0, 0};
inline const QColor Green{0, 128, 0};
inline const QColor Purple{128, 0, 128};
inline const QColor Teal{0, 128, 128};
inline const QColor Yellow{255, 255, 0};
inline const QColor Lime{0, 255, 0};
inline const QColor Red{255, 0, 0};
inline const QColor Fuchsia{255, 0, 255};
inline const QColor Aqua{0, 255, 255};
inline const QColor Blue{0, 0, 255};
inline const QColor HelpBlue{0, 0, 160};
inline const QColor Silver{192, 192, 192};
inline const QColor Cream{255, 255, 225};
inline const QColor White{255, 255, 255};
inline const QColor Black{0, 0, 0};
// The flag's red and yellow, each in a deeper and a lighter shade (the main
// window's background when the photographs are off).
inline const QColor FlagRedDeep{170, 21, 27};
inline const QColor FlagRed{200, 40, 30};
inline const QColor FlagYellowDeep{241, 191, 0};
inline const QColor FlagYellow{250, 205, 40};
} // namespace colour

// The program's type: Arial metrics (Liberation Sans on Linux), bold unless asked.
inline QString programFamily() { return QStringLiteral("Arial"); }

// The face the screen is measured in to find the scale of every window: the
// count of its letters that fit the screen's width sets the scale.
inline QString measuringFamily() { return QStringLiteral("MS Sans Serif"); }

inline QFont programFont(int pixelSize, bool bold = true)
{
    QFont f(programFamily());
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    return f;
}

inline QFont programFontPt(int pointSize, bool bold = true)
{
    QFont f(programFamily());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(std::max(1, pointSize));
    f.setBold(bold);
    return f;
}

// A size in pixels of a window laid out for a 600-line screen, on this screen
// (percent is the program's scale, 100 = unscaled).
inline int scaled(int pixels, int percent)
{
    return int(std::lround(double(pixels) * std::max(1, percent) / 100.0));
}

// Running text of dialogs, message boxes, list boxes and buttons without a type
// of their own: the program's type at a size a pupil reads easily.
constexpr int ReadingPixels = 16;
inline QFont readingFont(int percent = 100, bool bold = true)
{
    return programFont(scaled(ReadingPixels, percent), bold);
}

// Rule pages and the manual set their own emphasis on a plain type.
constexpr int PagePoints = 11;
inline QFont pageFont(int percent = 100)
{
    QFont f(programFamily());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(PagePoints * std::max(1, percent) / 100.0);
    f.setBold(false);
    return f;
}

} // namespace lingvaro::ui
