// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CivilDateText.h"

#include <QList>

#include <algorithm>

namespace {

// One piece of a date format: a field such as "dddd" or "MMMM", a quoted text, or one plain
// character.
struct FormatPiece
{
    QString raw;
    bool field = false;
    bool quoted = false;
};

QList<FormatPiece> formatPieces(const QString& format)
{
    QList<FormatPiece> pieces;
    for (qsizetype at = 0; at < format.size();) {
        const QChar ch = format.at(at);
        qsizetype end = at + 1;
        if (ch == QLatin1Char('\'')) {
            // A quoted text runs to the next lone quote; two quotes stand for one.
            while (end < format.size()) {
                if (format.at(end) == QLatin1Char('\'')) {
                    if (end + 1 < format.size() && format.at(end + 1) == QLatin1Char('\'')) {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
            pieces.append({format.mid(at, end - at), false, true});
        } else if (ch == QLatin1Char('d') || ch == QLatin1Char('M') || ch == QLatin1Char('y')) {
            while (end < format.size() && format.at(end) == ch) {
                ++end;
            }
            pieces.append({format.mid(at, end - at), true, false});
        } else {
            pieces.append({QString(ch), false, false});
        }
        at = end;
    }
    return pieces;
}

bool isWeekday(const FormatPiece& piece)
{
    return piece.field && piece.raw.startsWith(QLatin1Char('d')) && piece.raw.size() >= 3;
}

bool isSpace(const FormatPiece& piece)
{
    return !piece.field && !piece.quoted && piece.raw.at(0).isSpace();
}

// The marks that part the weekday from the date: commas of every script, semicolons, dashes.
// Full stops are left alone: in Hungarian or Lithuanian they belong to the day before them.
bool isSeparator(const FormatPiece& piece)
{
    if (piece.field || piece.quoted) {
        return false;
    }
    const QChar ch = piece.raw.at(0);
    return ch.category() == QChar::Punctuation_Dash ||
           QStringView(u",\u060C\u1363\uFF0C\u3001;\u061B\u2E41").contains(ch);
}

// Drops the weekday from a long date format, with the words and marks that only make sense
// beside it ("dddd, " in front, ", dddd" or "، dddd" behind, "dddd 'гараг'"), whatever side of the
// date the locale puts it on.
QString withoutWeekday(const QString& format)
{
    QList<FormatPiece> pieces = formatPieces(format);
    const auto weekday = std::find_if(pieces.cbegin(), pieces.cend(), isWeekday);
    if (weekday == pieces.cend()) {
        return format;
    }
    const qsizetype at = weekday - pieces.cbegin();
    const auto dateFieldAfter = std::find_if(weekday + 1, pieces.cend(), [](const auto& p) { return p.field; });
    if (dateFieldAfter == pieces.cend()) {
        // Behind the date: cut from the last separator after the date's last field, or else
        // from the spaces just before the weekday.
        qsizetype cut = at;
        while (cut > 0 && isSpace(pieces.at(cut - 1))) {
            --cut;
        }
        for (qsizetype index = at - 1; index >= 0 && !pieces.at(index).field; --index) {
            if (isSeparator(pieces.at(index))) {
                cut = index;
                break;
            }
        }
        pieces.remove(cut, pieces.size() - cut);
    } else {
        // In front of (or inside) the date: cut up to the first separator before the next
        // field and the spaces after it, or else the spaces after the weekday.
        const qsizetype next = dateFieldAfter - pieces.cbegin();
        qsizetype end = at + 1;
        for (qsizetype index = at + 1; index < next; ++index) {
            if (isSeparator(pieces.at(index))) {
                end = index + 1;
                break;
            }
        }
        while (end < next && isSpace(pieces.at(end))) {
            ++end;
        }
        const bool leading = std::none_of(pieces.cbegin(), weekday, [](const auto& p) { return p.field; });
        pieces.remove(leading ? 0 : at, end - (leading ? 0 : at));
    }
    QString kept;
    for (const FormatPiece& piece : pieces) {
        kept += piece.raw;
    }
    return kept.trimmed();
}

} // namespace

namespace CivilDateText {

QString longDateWithoutWeekday(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, withoutWeekday(locale.dateFormat(QLocale::LongFormat)));
}

} // namespace CivilDateText
