// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "message_format.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace quillora {

QString UiArg::text() const
{
    return isNumber() ? QString::number(number()) : std::get<QString>(value_);
}

namespace {

struct InsertForm {
    int index = 0;     // 1-based insert number
    qsizetype end = 0; // position after the whole form
    bool leftAlign = false;
    bool zeroPad = false;
    bool plusSign = false;
    int width = 0;
    int precision = -1;
    QChar conversion; // null when the form has no "!...!" part
};

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads the optional "!flags width .precision length conversion!" part that
// starts at pos. Returns false when it is not a well-formed type part; the caller
// then treats the insert as a plain "%n".
bool readTypedSpec(const QString& t, qsizetype pos, InsertForm& f)
{
    qsizetype i = pos + 1; // past the opening '!'
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'-') f.leftAlign = true;
        else if (c == u'0') f.zeroPad = true;
        else if (c == u'+') f.plusSign = true;
        else if (c != u' ' && c != u'#') break;
    }
    // A damaged translation may ask for any width: it is capped.
    constexpr int kMaxWidth = 1000;
    for (; i < t.size() && isDigit(t[i]); ++i)
        f.width = std::min(kMaxWidth, f.width * 10 + (t[i].unicode() - u'0'));
    if (i < t.size() && t[i] == u'.') {
        f.precision = 0;
        for (++i; i < t.size() && isDigit(t[i]); ++i)
            f.precision = std::min(kMaxWidth, f.precision * 10 + (t[i].unicode() - u'0'));
    }
    while (i < t.size() && QStringView(u"hlwLIjzt36").contains(t[i]) && i - pos < 16)
        ++i;
    if (i + 1 >= t.size() || t[i + 1] != u'!')
        return false;
    if (!QStringView(u"diuxXocsSeEfgG").contains(t[i]))
        return false;
    f.conversion = t[i];
    f.end = i + 2;
    return true;
}

// A form "%n" or "%n!type!" at pos (which holds the '%'), n being 1 to 99.
std::optional<InsertForm> readInsert(const QString& t, qsizetype pos)
{
    qsizetype i = pos + 1;
    if (i >= t.size() || !isDigit(t[i]) || t[i] == u'0')
        return std::nullopt;
    InsertForm f;
    f.index = t[i].unicode() - u'0';
    ++i;
    if (i < t.size() && isDigit(t[i])) {
        f.index = f.index * 10 + (t[i].unicode() - u'0');
        ++i;
    }
    f.end = i;
    if (i < t.size() && t[i] == u'!') {
        InsertForm typed = f;
        if (readTypedSpec(t, i, typed))
            return typed;
    }
    return f;
}

QString numberText(std::int64_t v, QChar conv, bool plus)
{
    switch (conv.unicode()) {
    case u'u': return QString::number(static_cast<std::uint32_t>(v));
    case u'x': return QString::number(static_cast<std::uint32_t>(v), 16);
    case u'X': return QString::number(static_cast<std::uint32_t>(v), 16).toUpper();
    case u'o': return QString::number(static_cast<std::uint32_t>(v), 8);
    case u'c': return QString(QChar(static_cast<char16_t>(v)));
    default: return (plus && v >= 0 ? QStringLiteral("+") : QString()) + QString::number(v);
    }
}

QString render(const InsertForm& f, const UiArg& arg)
{
    const bool numeric = arg.isNumber() && !f.conversion.isNull() && f.conversion != u's' && f.conversion != u'S';
    QString s = numeric ? numberText(arg.number(), f.conversion, f.plusSign) : arg.text();
    if (!numeric && f.precision >= 0 && s.size() > f.precision)
        s.truncate(f.precision);
    if (s.size() >= f.width)
        return s;
    if (f.leftAlign)
        return s.leftJustified(f.width, u' ');
    if (numeric && f.zeroPad) {
        const qsizetype sign = (s.startsWith(u'-') || s.startsWith(u'+')) ? 1 : 0;
        return s.left(sign) + QString(f.width - s.size(), u'0') + s.mid(sign);
    }
    return s.rightJustified(f.width, u' ');
}

// A printf-like form ("%d", "%02u", "%s") at pos, for listing inserts.
qsizetype printfFormEnd(const QString& t, qsizetype pos)
{
    qsizetype i = pos + 1;
    while (i < t.size() && (QStringView(u"-+ #0").contains(t[i]) || isDigit(t[i]) || t[i] == u'.'))
        ++i;
    while (i < t.size() && QStringView(u"hlwL").contains(t[i]))
        ++i;
    if (i < t.size() && QStringView(u"diuxXcsS").contains(t[i]))
        return i + 1;
    return -1;
}

} // namespace

QString formatMessage(const QString& t, std::span<const UiArg> inserts)
{
    QString out;
    out.reserve(t.size());
    for (qsizetype i = 0; i < t.size();) {
        if (t[i] != u'%') {
            out += t[i++];
            continue;
        }
        if (i + 1 < t.size() && t[i + 1] == u'%') {
            out += u'%';
            i += 2;
            continue;
        }
        const std::optional<InsertForm> f = readInsert(t, i);
        if (!f) {
            out += t[i++]; // "%d", "%x", a lone '%': not an insert, kept
            continue;
        }
        if (f->index <= static_cast<int>(inserts.size()))
            out += render(*f, inserts[f->index - 1]);
        i = f->end;
    }
    return out;
}

QString fillNumbers(QString templ, std::initializer_list<std::int64_t> numbers)
{
    qsizetype from = 0;
    for (std::int64_t value : numbers) {
        const qsizetype at = templ.indexOf(QLatin1String("%d"), from);
        if (at < 0)
            break;
        const QString number = QString::number(value);
        templ.replace(at, 2, number);
        from = at + number.size();
    }
    return templ;
}

QStringList messageInserts(const QString& t)
{
    QStringList found;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] != u'%')
            continue;
        if (i + 1 < t.size() && t[i + 1] == u'%') {
            found << QStringLiteral("%%");
            ++i;
        } else if (const std::optional<InsertForm> f = readInsert(t, i)) {
            found << t.mid(i, f->end - i);
            i = f->end - 1;
        } else if (const qsizetype end = printfFormEnd(t, i); end > 0) {
            found << t.mid(i, end - i);
            i = end - 1;
        }
    }
    return found;
}

} // namespace quillora
