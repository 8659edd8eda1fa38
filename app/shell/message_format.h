// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// Message-format templates as the string tables write them: "%1" takes the
// first insert, "%2!d!" the second as a decimal number ("!x!", "!s!", "!02d!"
// and the other printf-like forms between exclamation marks), "%%" is a
// percent sign. Inserts may come in any order. An insert that was not given
// is left out, and a malformed form is copied as it stands: a template from
// a translation file can never read past the inserts or crash.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <variant>

namespace quillora {

class UiArg {
public:
    UiArg(int v) : value_(static_cast<std::int64_t>(v)) {}
    UiArg(unsigned v) : value_(static_cast<std::int64_t>(v)) {}
    UiArg(long v) : value_(static_cast<std::int64_t>(v)) {}
    UiArg(unsigned long v) : value_(static_cast<std::int64_t>(v)) {}
    UiArg(long long v) : value_(static_cast<std::int64_t>(v)) {}
    UiArg(const QString& s) : value_(s) {}
    UiArg(const char* utf8) : value_(QString::fromUtf8(utf8)) {}

    bool isNumber() const { return std::holds_alternative<std::int64_t>(value_); }
    std::int64_t number() const { return isNumber() ? std::get<std::int64_t>(value_) : 0; }
    QString text() const;

private:
    std::variant<std::int64_t, QString> value_;
};

QString formatMessage(const QString& templ, std::span<const UiArg> inserts);

// A printf-like template's "%d" inserts filled in order (" %d bps",
// "(%dx%d)"); a "%d" beyond the numbers given stays as it is.
QString fillNumbers(QString templ, std::initializer_list<std::int64_t> numbers);

// The inserts a template uses, in the order they appear ("%1!d!", "%2", "%%",
// and printf-like "%d"), for checking that a translation keeps them all.
QStringList messageInserts(const QString& templ);

} // namespace quillora
