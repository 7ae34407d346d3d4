#include "sketches/Texte.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace trv {

namespace {

// Runs f with the canvas font at three quarters of its size, then restores the font.
template <typename F> void MitIndexGroesse(QPainter& canvas, F f) {
    const QFont alt = canvas.font();
    QFont klein = alt;
    klein.setPointSize(std::max(1, alt.pointSize() * 3 / 4));
    canvas.setFont(klein);
    f();
    canvas.setFont(alt);
}

// The Latin letters of the Symbol font's encoding and their Greek characters.
QChar Griechisch(char c) {
    static constexpr char16_t Klein[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                           u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                           u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    static constexpr char16_t Gross[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                           u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                           u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    if (c >= 'a' && c <= 'z') {
        return QChar(Klein[c - 'a']);
    }
    if (c >= 'A' && c <= 'Z') {
        return QChar(Gross[c - 'A']);
    }
    switch (static_cast<unsigned char>(c)) {
    case 0xD7:
        return QChar(u'⋅');
    case 0xA3:
        return QChar(u'≤');
    case 0xB3:
        return QChar(u'≥');
    case 0xB1:
        return QChar(u'±');
    default:
        return QChar::fromLatin1(c);
    }
}

} // namespace

QFont ArialSchrift(int punkte) {
    QFont schrift(QStringLiteral("Arial"));
    // Liberation Sans has Arial's metrics; naming it keeps the texts' widths even where the
    // font configuration has no alias for Arial.
    schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    schrift.setPointSize(std::max(1, punkte));
    return schrift;
}

int TextHoehe(const QPainter& canvas) {
    return QFontMetrics(canvas.font(), canvas.device()).height();
}

int TextBreite(const QPainter& canvas, const QString& text) {
    return QFontMetrics(canvas.font(), canvas.device()).horizontalAdvance(text);
}

int TextOben(QPainter& canvas, int x, int y, const QString& text) {
    const QFontMetrics fm(canvas.font(), canvas.device());
    if (!text.isEmpty()) {
        canvas.drawText(QPoint(x, y + fm.ascent()), text);
    }
    return x + fm.horizontalAdvance(text);
}

int TextTiefgestellt(QPainter& canvas, int x, int y, const QString& text) {
    const int breite = TextBreite(canvas, text);
    MitIndexGroesse(canvas, [&] {
        const int h = TextHoehe(canvas);
        TextOben(canvas, x, y + h * 3 / 5, text);
    });
    return x + breite;
}

int TextHochgestellt(QPainter& canvas, int x, int y, const QString& text) {
    const int breite = TextBreite(canvas, text);
    MitIndexGroesse(canvas, [&] {
        const int h = TextHoehe(canvas);
        TextOben(canvas, x, y - h / 4, text);
    });
    return x + breite;
}

int TextMitIndex(QPainter& canvas, int x, int y, const QString& index, const QString& text) {
    const int ende = TextOben(canvas, x, y, text);
    return TextTiefgestellt(canvas, ende, y, index);
}

void TextGedreht(QPainter& canvas, int x, int y, const QString& text, int winkel) {
    if (text.isEmpty()) {
        return;
    }
    canvas.save();
    canvas.translate(x, y);
    // The angle counts counter-clockwise; with y downwards Qt turns clockwise.
    canvas.rotate(-winkel / 10.0);
    TextOben(canvas, 0, 0, text);
    canvas.restore();
}

QString SymbolText(std::string_view zeichen) {
    QString text;
    text.reserve(static_cast<qsizetype>(zeichen.size()));
    for (char c : zeichen) {
        text.append(Griechisch(c));
    }
    return text;
}

} // namespace trv
