// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The user manuals, "Quillora.html" and "Quillora FR.html": both must parse
// as XML (polyglot XHTML), every local link and picture must exist, every
// anchor must name an id of its target, ids must be unique, both languages
// must have the same sections, every picture needs alt text, and the
// troubleshooting entries for the usual Linux serial-port problems must be
// there. The checker itself is tried first on small broken pages, so that a
// check that could never fail shows up as a failing test.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#ifndef QUILLORA_MANUAL_DIR
#error "QUILLORA_MANUAL_DIR must name the folder of the manuals"
#endif

namespace {

const QString kXhtmlNamespace = QStringLiteral("http://www.w3.org/1999/xhtml");

struct Reference {
    QString attribute; // "href" or "src"
    QString value;
    qint64 line = 0;
};

struct Image {
    QString src;
    QString alt;
    qint64 line = 0;
};

// What the checks need from one page.
struct Page {
    QString path;
    QString error; // empty when the page is well-formed
    QString dtdName;
    QString rootName;
    QString rootNamespace;
    QString lang;
    bool utf8Meta = false;
    QStringList ids;        // every id attribute, duplicates kept
    QStringList sectionIds; // ids of <section> elements, in order
    int sectionsWithoutId = 0;
    bool hasToc = false;
    QSet<QString> tocTargets; // fragments linked from <nav id="toc">
    QStringList stylesheets;  // href of every <link rel="stylesheet">
    std::vector<Reference> references;
    std::vector<Image> images;
    QHash<QString, QString> sectionText;          // section id -> its whole text
    QHash<QString, QStringList> sectionAncestors; // section id -> enclosing section ids
};

Page parsePage(const QString& path)
{
    Page page;
    page.path = QFileInfo(path).absoluteFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        page.error = QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString());
        return page;
    }
    struct Open {
        bool section = false;
        QString id;
        bool toc = false;
    };
    std::vector<Open> stack;
    int tocDepth = 0;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            page.dtdName = xml.dtdName().toString();
            break;
        case QXmlStreamReader::EntityReference:
            // Qt already refuses an undeclared entity such as &nbsp; (only
            // &amp; &lt; &gt; &quot; &apos; and numeric references are XML);
            // one it can name but not expand is no better for a reader.
            xml.raiseError(QStringLiteral("entity &%1; is not an XML entity").arg(xml.name().toString()));
            break;
        case QXmlStreamReader::StartElement: {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString name = xml.name().toString();
            if (page.rootName.isEmpty()) {
                page.rootName = name;
                page.rootNamespace = xml.namespaceUri().toString();
                page.lang = attributes.value(QStringLiteral("lang")).toString();
            }
            Open open;
            const QString id = attributes.value(QStringLiteral("id")).toString();
            if (attributes.hasAttribute(QStringLiteral("id")))
                page.ids << id;
            if (name == QStringLiteral("section")) {
                open.section = true;
                open.id = id;
                if (id.isEmpty()) {
                    ++page.sectionsWithoutId;
                } else {
                    page.sectionIds << id;
                    QStringList ancestors;
                    for (const Open& o : stack)
                        if (o.section && !o.id.isEmpty())
                            ancestors << o.id;
                    page.sectionAncestors.insert(id, ancestors);
                }
            }
            if (name == QStringLiteral("nav") && id == QStringLiteral("toc")) {
                open.toc = true;
                page.hasToc = true;
                ++tocDepth;
            }
            if (name == QStringLiteral("meta") &&
                attributes.value(QStringLiteral("charset")).compare(QStringLiteral("utf-8"), Qt::CaseInsensitive) == 0)
                page.utf8Meta = true;
            if (name == QStringLiteral("link") &&
                attributes.value(QStringLiteral("rel")).toString().split(u' ').contains(QStringLiteral("stylesheet")))
                page.stylesheets << attributes.value(QStringLiteral("href")).toString();
            for (const char* attribute : {"href", "src"}) {
                const QString key = QString::fromLatin1(attribute);
                if (attributes.hasAttribute(key))
                    page.references.push_back({key, attributes.value(key).toString(), xml.lineNumber()});
            }
            if (name == QStringLiteral("img"))
                page.images.push_back({attributes.value(QStringLiteral("src")).toString(),
                                       attributes.value(QStringLiteral("alt")).toString(), xml.lineNumber()});
            if (tocDepth > 0 && name == QStringLiteral("a")) {
                const QString href = attributes.value(QStringLiteral("href")).toString();
                if (href.startsWith(u'#'))
                    page.tocTargets.insert(QUrl::fromPercentEncoding(href.mid(1).toUtf8()));
            }
            for (const Open& o : stack)
                if (o.section && !o.id.isEmpty())
                    page.sectionText[o.id] += u' ';
            stack.push_back(open);
            break;
        }
        case QXmlStreamReader::EndElement:
            // Element edges separate words ("<p>a</p><p>b</p>" reads "a b").
            for (const Open& o : stack)
                if (o.section && !o.id.isEmpty())
                    page.sectionText[o.id] += u' ';
            if (!stack.empty()) {
                if (stack.back().toc)
                    --tocDepth;
                stack.pop_back();
            }
            break;
        case QXmlStreamReader::Characters:
            for (const Open& o : stack)
                if (o.section && !o.id.isEmpty())
                    page.sectionText[o.id] += xml.text().toString();
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        page.error = QStringLiteral("%1:%2:%3: %4")
                         .arg(path)
                         .arg(xml.lineNumber())
                         .arg(xml.columnNumber())
                         .arg(xml.errorString());
    for (auto it = page.sectionText.begin(); it != page.sectionText.end(); ++it)
        *it = it->simplified();
    return page;
}

// Pages parsed once per check run, by absolute path.
class PageCache {
public:
    const Page& get(const QString& path)
    {
        const QString key = QFileInfo(path).absoluteFilePath();
        auto it = pages_.find(key);
        if (it == pages_.end())
            it = pages_.emplace(key, std::make_unique<Page>(parsePage(key))).first;
        return *it->second;
    }

private:
    std::map<QString, std::unique_ptr<Page>> pages_;
};

QString where(const Page& page, qint64 line)
{
    return QStringLiteral("%1:%2").arg(QFileInfo(page.path).fileName()).arg(line);
}

bool isInside(const QString& folder, const QString& path)
{
    const QString root = QDir::cleanPath(folder) + u'/';
    return QDir::cleanPath(path).startsWith(root);
}

// Every href and src: external http(s) and mailto links are allowed and not
// fetched; anything else must be a relative path to a file in the manual's
// folder (percent-decoded), and its #fragment an id of that file.
QStringList brokenReferences(const Page& page, PageCache& cache)
{
    static const QRegularExpression external(QStringLiteral("^(https?|mailto):"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    const QString folder = QFileInfo(page.path).absolutePath();
    QStringList problems;
    for (const Reference& r : page.references) {
        const QString at = where(page, r.line) + u' ' + r.attribute + QStringLiteral("=\"") + r.value + u'"';
        if (r.value.isEmpty()) {
            problems << at + QStringLiteral(": empty");
            continue;
        }
        if (external.match(r.value).hasMatch())
            continue;
        if (scheme.match(r.value).hasMatch() || r.value.startsWith(u'/')) {
            problems << at + QStringLiteral(": not a relative link to a file of the manual");
            continue;
        }
        const qsizetype hash = r.value.indexOf(u'#');
        const QString pathPart = hash < 0 ? r.value : r.value.left(hash);
        const QString decodedPath = QUrl::fromPercentEncoding(pathPart.toUtf8());
        QString target = page.path;
        if (!decodedPath.isEmpty()) {
            target = QDir::cleanPath(QDir(folder).absoluteFilePath(decodedPath));
            if (!isInside(folder, target)) {
                problems << at + QStringLiteral(": outside the manual's folder");
                continue;
            }
            if (!QFileInfo(target).isFile()) {
                problems << at + QStringLiteral(": no file ") + target;
                continue;
            }
        }
        if (hash < 0)
            continue;
        const QString fragment = QUrl::fromPercentEncoding(r.value.mid(hash + 1).toUtf8());
        if (fragment.isEmpty()) {
            problems << at + QStringLiteral(": empty anchor");
            continue;
        }
        const QString suffix = QFileInfo(target).suffix().toLower();
        if (suffix != QStringLiteral("html") && suffix != QStringLiteral("xhtml")) {
            problems << at + QStringLiteral(": an anchor into a file that is no page");
            continue;
        }
        const Page& targetPage = cache.get(target);
        if (!targetPage.error.isEmpty())
            problems << at + QStringLiteral(": the target does not parse: ") + targetPage.error;
        else if (!targetPage.ids.contains(fragment))
            problems << at + QStringLiteral(": no id \"") + fragment + QStringLiteral("\" in ") +
                            QFileInfo(target).fileName();
    }
    return problems;
}

QStringList duplicateIds(const Page& page)
{
    QStringList problems;
    QSet<QString> seen;
    for (const QString& id : page.ids) {
        if (seen.contains(id))
            problems << QFileInfo(page.path).fileName() + QStringLiteral(": id \"") + id +
                            QStringLiteral("\" more than once");
        seen.insert(id);
    }
    return problems;
}

QStringList imagesWithoutAlt(const Page& page)
{
    QStringList problems;
    for (const Image& image : page.images)
        if (image.alt.trimmed().isEmpty())
            problems << where(page, image.line) + QStringLiteral(": <img src=\"") + image.src +
                            QStringLiteral("\"> without alt text");
    return problems;
}

QStringList sectionIdDifferences(const Page& a, const Page& b)
{
    QStringList problems;
    const QSet<QString> inA(a.sectionIds.cbegin(), a.sectionIds.cend());
    const QSet<QString> inB(b.sectionIds.cbegin(), b.sectionIds.cend());
    const auto missing = [&problems](const Page& from, const QSet<QString>& have, const Page& to,
                                     const QSet<QString>& lack) {
        QStringList ids(have.cbegin(), have.cend());
        ids.sort();
        for (const QString& id : ids)
            if (!lack.contains(id))
                problems << QStringLiteral("section \"%1\" of %2 is missing from %3")
                                .arg(id, QFileInfo(from.path).fileName(), QFileInfo(to.path).fileName());
    };
    missing(a, inA, b, inB);
    missing(b, inB, a, inA);
    return problems;
}

QStringList tocProblems(const Page& page)
{
    const QString name = QFileInfo(page.path).fileName();
    if (!page.hasToc)
        return {name + QStringLiteral(": no <nav id=\"toc\">")};
    QStringList problems;
    if (page.sectionsWithoutId > 0)
        problems << name + QStringLiteral(": %1 <section> without an id").arg(page.sectionsWithoutId);
    for (const QString& id : page.sectionIds)
        if (!page.tocTargets.contains(id))
            problems << name + QStringLiteral(": section \"") + id + QStringLiteral("\" is not in the table of contents");
    return problems;
}

// The screenshots are rendered per language as NAME-<locale id>.png.
QStringList imagesOfAnotherLanguage(const Page& page, const QString& localeId)
{
    QStringList problems;
    const QString ending = u'-' + localeId + QStringLiteral(".png");
    for (const Image& image : page.images)
        if (!image.src.endsWith(ending))
            problems << where(page, image.line) + QStringLiteral(": ") + image.src +
                            QStringLiteral(" is not a screenshot in this manual's language (") + ending + u')';
    return problems;
}

struct TroubleEntry {
    QString id;
    QStringList mustMention; // the commands and texts the entry is there to give
};

QStringList troubleshootingProblems(const Page& page, const std::vector<TroubleEntry>& entries)
{
    const QString name = QFileInfo(page.path).fileName();
    QStringList problems;
    for (const TroubleEntry& entry : entries) {
        if (!page.sectionIds.contains(entry.id)) {
            problems << name + QStringLiteral(": no troubleshooting section \"") + entry.id + u'"';
            continue;
        }
        if (!page.sectionAncestors.value(entry.id).contains(QStringLiteral("troubleshooting")))
            problems << name + QStringLiteral(": \"") + entry.id +
                            QStringLiteral("\" is not inside the section \"troubleshooting\"");
        const QString text = page.sectionText.value(entry.id);
        for (const QString& word : entry.mustMention)
            if (!text.contains(word))
                problems << name + QStringLiteral(": \"") + entry.id + QStringLiteral("\" does not mention \"") + word +
                                u'"';
    }
    return problems;
}

// The entries both manuals must have, with what they must tell in either
// language (commands and paths stay the same in every language).
std::vector<TroubleEntry> commonTroubleEntries()
{
    return {
        {QStringLiteral("trouble-permission"),
         {QStringLiteral("dialout"), QStringLiteral("sudo usermod -aG dialout $USER"), QStringLiteral("groups"),
          QStringLiteral("ls -l /dev/ttyUSB0")}},
        {QStringLiteral("trouble-modemmanager"),
         {QStringLiteral("ModemManager"), QStringLiteral("lsof /dev/ttyUSB0"), QStringLiteral("fuser"),
          QStringLiteral("systemctl mask ModemManager"), QStringLiteral("ENV{ID_MM_DEVICE_IGNORE}=\"1\"")}},
        {QStringLiteral("trouble-brltty"), {QStringLiteral("brltty")}},
        {QStringLiteral("trouble-port-renamed"), {QStringLiteral("ttyUSB1"), QStringLiteral("/dev/serial/by-id/")}},
        {QStringLiteral("trouble-not-compatible"), {}},
        {QStringLiteral("trouble-sim-pin"), {QStringLiteral("PIN")}},
        {QStringLiteral("trouble-transfer-error"), {QStringLiteral("19200")}},
    };
}

std::vector<TroubleEntry> withLanguageTexts(std::vector<TroubleEntry> entries, const QString& id,
                                            const QStringList& texts)
{
    for (TroubleEntry& e : entries)
        if (e.id == id)
            e.mustMention += texts;
    return entries;
}

// ---------------------------------------------------------------------------
// The two manuals

struct Manual {
    const char* file;
    const char* lang;
    const char* localeId;
};

constexpr Manual kEnglish{"Quillora.html", "en", "1033"};
constexpr Manual kFrench{"Quillora FR.html", "fr", "1036"};
constexpr Manual kManuals[] = {kEnglish, kFrench};

QString manualPath(const Manual& m)
{
    return QDir(QStringLiteral(QUILLORA_MANUAL_DIR)).absoluteFilePath(QString::fromUtf8(m.file));
}

// The status texts a user sees for a phone that answers but cannot be used,
// as the string tables word them.
std::vector<TroubleEntry> troubleEntriesFor(const Manual& m)
{
    if (QString::fromLatin1(m.lang) == QStringLiteral("fr"))
        return withLanguageTexts(commonTroubleEntries(), QStringLiteral("trouble-not-compatible"),
                                 {QStringLiteral("L'appareil connecté n'est pas un téléphone mobile compatible"),
                                  QStringLiteral("ne prend pas en charge le téléchargement d'objets")});
    return withLanguageTexts(commonTroubleEntries(), QStringLiteral("trouble-not-compatible"),
                             {QStringLiteral("Connected device is not a compatible mobile phone"),
                              QStringLiteral("doesn't support object downloading")});
}

TEST(Manual, BothFilesAreWhereTheProgramLooksForThem)
{
    for (const Manual& m : kManuals)
        EXPECT_TRUE(QFileInfo(manualPath(m)).isFile()) << manualPath(m).toStdString();
}

TEST(Manual, ParsesAsPolyglotXhtml)
{
    for (const Manual& m : kManuals) {
        SCOPED_TRACE(m.file);
        const Page page = parsePage(manualPath(m));
        ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        EXPECT_EQ(page.dtdName.toStdString(), "html");
        EXPECT_EQ(page.rootName.toStdString(), "html");
        EXPECT_EQ(page.rootNamespace, kXhtmlNamespace);
        EXPECT_EQ(page.lang.toStdString(), m.lang);
        EXPECT_TRUE(page.utf8Meta) << "no <meta charset=\"UTF-8\"/>";
    }
}

TEST(Manual, BothLanguagesShareOneStylesheet)
{
    const Page en = parsePage(manualPath(kEnglish));
    const Page fr = parsePage(manualPath(kFrench));
    ASSERT_EQ(en.stylesheets.size(), 1) << en.stylesheets.join(u' ').toStdString();
    ASSERT_EQ(fr.stylesheets.size(), 1) << fr.stylesheets.join(u' ').toStdString();
    EXPECT_EQ(en.stylesheets.constFirst(), fr.stylesheets.constFirst());
}

TEST(Manual, LocalLinksPicturesAndAnchorsResolve)
{
    PageCache cache;
    for (const Manual& m : kManuals) {
        SCOPED_TRACE(m.file);
        const Page& page = cache.get(manualPath(m));
        ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        // A page without links would pass trivially.
        EXPECT_GT(page.references.size(), 20u);
        const QStringList problems = brokenReferences(page, cache);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    }
}

TEST(Manual, IdsAreUnique)
{
    for (const Manual& m : kManuals) {
        const Page page = parsePage(manualPath(m));
        ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        const QStringList problems = duplicateIds(page);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    }
}

TEST(Manual, BothLanguagesHaveTheSameSections)
{
    const Page en = parsePage(manualPath(kEnglish));
    const Page fr = parsePage(manualPath(kFrench));
    ASSERT_TRUE(en.error.isEmpty()) << en.error.toStdString();
    ASSERT_TRUE(fr.error.isEmpty()) << fr.error.toStdString();
    EXPECT_GE(en.sectionIds.size(), 20);
    const QStringList problems = sectionIdDifferences(en, fr);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    // The same order too, so that a reader switching language finds the same
    // place in the table of contents.
    EXPECT_EQ(en.sectionIds, fr.sectionIds);
}

TEST(Manual, TableOfContentsListsEverySection)
{
    for (const Manual& m : kManuals) {
        const Page page = parsePage(manualPath(m));
        ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        const QStringList problems = tocProblems(page);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    }
}

TEST(Manual, PicturesHaveAltTextAndShowTheManualsLanguage)
{
    for (const Manual& m : kManuals) {
        SCOPED_TRACE(m.file);
        const Page page = parsePage(manualPath(m));
        ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        EXPECT_GE(page.images.size(), 4u);
        EXPECT_LE(page.images.size(), 12u) << "keep the screenshots few";
        QStringList problems = imagesWithoutAlt(page);
        problems += imagesOfAnotherLanguage(page, QString::fromLatin1(m.localeId));
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    }
}

TEST(Manual, TroubleshootingCoversTheUsualSerialPortProblems)
{
    for (const Manual& m : kManuals) {
        const Page page = parsePage(manualPath(m));
        ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        const QStringList problems = troubleshootingProblems(page, troubleEntriesFor(m));
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    }
}

// ---------------------------------------------------------------------------
// The checker against pages with known faults

class ManualChecker : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString write(const QString& name, const QByteArray& content)
    {
        const QString path = dir_.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        return path;
    }

    // A small valid page around BODY.
    static QByteArray page(const QByteArray& body, const QByteArray& lang = "en")
    {
        return "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"" + lang +
               "\">\n<head><meta charset=\"UTF-8\"/><title>t</title></head>\n<body>\n" + body +
               "\n</body>\n</html>\n";
    }

    QTemporaryDir dir_;
};

TEST_F(ManualChecker, AcceptsAValidPage)
{
    write(QStringLiteral("other page.html"), page("<p id=\"there\">x</p>"));
    write(QStringLiteral("images/a.png"), "png");
    const QString path = write(QStringLiteral("index.html"),
                               page("<nav id=\"toc\"><a href=\"#one\">1</a></nav>"
                                    "<section id=\"one\"><p>dialout</p>"
                                    "<img src=\"images/a.png\" alt=\"A picture\"/>"
                                    "<a href=\"other%20page.html#there\">o</a> <a href=\"#one\">s</a>"
                                    " <a href=\"https://example.org/x\">e</a> <a href=\"mailto:a@b.c\">m</a>"
                                    "</section>"));
    PageCache cache;
    const Page& p = cache.get(path);
    ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
    EXPECT_EQ(p.dtdName.toStdString(), "html");
    EXPECT_EQ(p.rootNamespace, kXhtmlNamespace);
    EXPECT_EQ(p.lang.toStdString(), "en");
    EXPECT_TRUE(p.utf8Meta);
    EXPECT_EQ(p.sectionIds, QStringList{QStringLiteral("one")});
    EXPECT_TRUE(brokenReferences(p, cache).isEmpty()) << brokenReferences(p, cache).join(u'\n').toStdString();
    EXPECT_TRUE(duplicateIds(p).isEmpty());
    EXPECT_TRUE(imagesWithoutAlt(p).isEmpty());
    EXPECT_TRUE(tocProblems(p).isEmpty());
    EXPECT_EQ(p.sectionText.value(QStringLiteral("one")).toStdString(), "dialout o s e m");
}

TEST_F(ManualChecker, ReportsAnElementLeftOpen)
{
    const Page p = parsePage(write(QStringLiteral("bad.html"), page("<p>open <b>bold</p>")));
    EXPECT_FALSE(p.error.isEmpty());
}

TEST_F(ManualChecker, ReportsAnHtmlOnlyEntity)
{
    const Page p = parsePage(write(QStringLiteral("bad.html"), page("<p>a&nbsp;b</p>")));
    EXPECT_FALSE(p.error.isEmpty());
}

TEST_F(ManualChecker, ReportsMissingFilesAndForeignLinks)
{
    // The manual's folder is "manual"; "outside.html" lies beside it.
    write(QStringLiteral("manual/images/a.png"), "png");
    write(QStringLiteral("outside.html"), page("<p id=\"x\">x</p>"));
    const QString path = write(QStringLiteral("manual/index.html"),
                               page("<img src=\"images/none.png\" alt=\"x\"/>"
                                    "<a href=\"missing%20page.html\">1</a>"
                                    "<a href=\"file:///etc/hostname\">2</a>"
                                    "<a href=\"/etc/hostname\">3</a>"
                                    "<a href=\"../outside.html#x\">4</a>"
                                    "<a href=\"\">5</a>"
                                    "<a href=\"images/a.png\">fine</a>"));
    PageCache cache;
    const QStringList problems = brokenReferences(cache.get(path), cache);
    EXPECT_EQ(problems.size(), 6) << problems.join(u'\n').toStdString();
}

TEST_F(ManualChecker, ReportsAnchorsThatNameNoId)
{
    write(QStringLiteral("other page.html"), page("<p id=\"there\">x</p>"));
    write(QStringLiteral("broken.html"), page("<p>open"));
    write(QStringLiteral("images/a.png"), "png");
    const QString path = write(QStringLiteral("index.html"), page("<p id=\"here\">h</p>"
                                                                  "<a href=\"#gone\">1</a>"
                                                                  "<a href=\"other%20page.html#nowhere\">2</a>"
                                                                  "<a href=\"broken.html#x\">3</a>"
                                                                  "<a href=\"#\">4</a>"
                                                                  "<a href=\"images/a.png#x\">5</a>"
                                                                  "<a href=\"#here\">fine</a>"
                                                                  "<a href=\"other%20page.html#there\">fine</a>"));
    PageCache cache;
    const QStringList problems = brokenReferences(cache.get(path), cache);
    EXPECT_EQ(problems.size(), 5) << problems.join(u'\n').toStdString();
}

TEST_F(ManualChecker, ReportsDuplicateIdsAndMissingAltText)
{
    const Page p = parsePage(write(QStringLiteral("index.html"),
                                   page("<p id=\"a\">1</p><div id=\"a\">2</div>"
                                        "<img src=\"x.png\"/><img src=\"y.png\" alt=\"  \"/>"
                                        "<img src=\"z.png\" alt=\"fine\"/>")));
    ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
    EXPECT_EQ(duplicateIds(p).size(), 1);
    EXPECT_EQ(imagesWithoutAlt(p).size(), 2);
    EXPECT_EQ(imagesOfAnotherLanguage(p, QStringLiteral("1033")).size(), 3);
}

TEST_F(ManualChecker, ReportsSectionsMissingInTheOtherLanguageOrTheContents)
{
    const Page en = parsePage(write(QStringLiteral("en.html"),
                                    page("<nav id=\"toc\"><a href=\"#a\">a</a></nav>"
                                         "<section id=\"a\">a</section><section id=\"b\">b</section><section>c</section>")));
    const Page fr = parsePage(write(QStringLiteral("fr.html"), page("<section id=\"a\">a</section>", "fr")));
    ASSERT_TRUE(en.error.isEmpty()) << en.error.toStdString();
    EXPECT_EQ(sectionIdDifferences(en, fr).size(), 1);
    EXPECT_EQ(sectionIdDifferences(fr, en).size(), 1);
    EXPECT_TRUE(sectionIdDifferences(en, en).isEmpty());
    // "b" is not in the contents and the third section has no id.
    EXPECT_EQ(tocProblems(en).size(), 2) << tocProblems(en).join(u'\n').toStdString();
    EXPECT_EQ(tocProblems(fr).size(), 1); // no table of contents at all
}

TEST_F(ManualChecker, ReportsMissingOrEmptyTroubleshootingEntries)
{
    const Page p = parsePage(write(QStringLiteral("index.html"),
                                   page("<section id=\"troubleshooting\">"
                                        "<section id=\"trouble-permission\"><p>Join <code>dialout</code>.</p></section>"
                                        "</section>"
                                        "<section id=\"trouble-brltty\"><p>brltty</p></section>")));
    ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
    const std::vector<TroubleEntry> entries{
        {QStringLiteral("trouble-permission"), {QStringLiteral("dialout"), QStringLiteral("usermod")}},
        {QStringLiteral("trouble-brltty"), {QStringLiteral("brltty")}},
        {QStringLiteral("trouble-port-renamed"), {}},
    };
    // usermod is not mentioned, brltty is outside the troubleshooting
    // section, and the renamed-port entry does not exist.
    EXPECT_EQ(troubleshootingProblems(p, entries).size(), 3)
        << troubleshootingProblems(p, entries).join(u'\n').toStdString();
}

} // namespace
