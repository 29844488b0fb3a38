#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

// Every user-visible text goes through the translation; texts on the wire and
// in files never do, and say so with a "notr" comment (on their line, or on
// its own line before the statement) or a "notr-file" comment for a file.

namespace {

const QString kSourceDir = QStringLiteral(LMK17_SOURCE_DIR);

struct Literal {
    qsizetype start;  // of the opening quote
    QString text;
};

// The source with comments and the contents of literals blanked (newlines
// kept), the literals, and the spans a "notr" comment exempts.
struct Scanned {
    QString masked;
    QList<Literal> literals;
    QList<QPair<qsizetype, qsizetype>> exempt;
};

Scanned scan(const QString& src) {
    Scanned s{src, {}, {}};
    QString& m = s.masked;
    const qsizetype n = src.size();
    auto blank = [&](qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to && k < n; ++k)
            if (m[k] != QLatin1Char('\n')) m[k] = QLatin1Char(' ');
    };
    QList<qsizetype> notrComments;
    for (qsizetype i = 0; i < n;) {
        const QChar c = src[i];
        if (src.mid(i, 2) == QLatin1String("//")) {
            qsizetype end = src.indexOf(QLatin1Char('\n'), i);
            if (end < 0) end = n;
            if (src.mid(i, end - i).contains(QLatin1String("notr"))) notrComments << i;
            blank(i, end);
            i = end;
        } else if (src.mid(i, 2) == QLatin1String("/*")) {
            qsizetype end = src.indexOf(QLatin1String("*/"), i);
            end = end < 0 ? n : end + 2;
            blank(i, end);
            i = end;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            if (c == QLatin1Char('"') && i > 0 && src[i - 1] == QLatin1Char('R')) {
                const qsizetype open = src.indexOf(QLatin1Char('('), i);
                const QString close =
                    QLatin1Char(')') + src.mid(i + 1, open - i - 1) + QLatin1Char('"');
                qsizetype end = src.indexOf(close, open);
                end = end < 0 ? n : end + close.size();
                blank(i + 1, end - 1);
                i = end;
                continue;
            }
            qsizetype j = i + 1;
            while (j < n && src[j] != c && src[j] != QLatin1Char('\n'))
                j += src[j] == QLatin1Char('\\') ? 2 : 1;
            if (c == QLatin1Char('"')) s.literals.append({i, src.mid(i + 1, j - i - 1)});
            blank(i + 1, j);
            i = j + 1;
        } else {
            ++i;
        }
    }
    for (const qsizetype at : notrComments) {
        const qsizetype lineStart = src.lastIndexOf(QLatin1Char('\n'), at) + 1;
        const bool ownLine = m.mid(lineStart, at - lineStart).trimmed().isEmpty();
        if (ownLine) {  // the statement that follows
            const qsizetype end = m.indexOf(QLatin1Char(';'), at);
            s.exempt.append({at, end < 0 ? n : end});
        } else {  // the line it ends
            s.exempt.append({lineStart, at});
        }
    }
    return s;
}

// The function whose argument list holds position pos, or empty.
QString enclosingCall(const QString& masked, qsizetype pos) {
    int depth = 0;
    for (qsizetype i = pos - 1; i >= 0; --i) {
        const QChar c = masked[i];
        if (c == QLatin1Char(')')) {
            ++depth;
        } else if (c == QLatin1Char('(')) {
            if (depth-- > 0) continue;
            qsizetype e = i;
            while (e > 0 && masked[e - 1].isSpace()) --e;
            qsizetype b = e;
            while (b > 0 && (masked[b - 1].isLetterOrNumber() || masked[b - 1] == QLatin1Char('_')))
                --b;
            return masked.mid(b, e - b);
        } else if (depth == 0 &&
                   (c == QLatin1Char(';') || c == QLatin1Char('{') || c == QLatin1Char('}'))) {
            return {};
        }
    }
    return {};
}

bool looksUserVisible(const QString& text, const QString& call, bool inWindow) {
    static const QRegularExpression format(
        QStringLiteral("%[-+ #0]*[0-9*]*(\\.[0-9*]+)?[a-zA-Z]|%[0-9]|\\\\[rnt]"));
    static const QRegularExpression words(
        QStringLiteral("[A-Za-z]{2,}[,.:;!?')]*\\s+[('\"]?[A-Za-z]{2,}"));
    static const QSet<QString> windowSetters{
        QStringLiteral("setText"),      QStringLiteral("setWindowTitle"),
        QStringLiteral("setTitle"),     QStringLiteral("setToolTip"),
        QStringLiteral("addItem"),      QStringLiteral("addTab"),
        QStringLiteral("addAction"),    QStringLiteral("addMenu"),
        QStringLiteral("setTabText"),   QStringLiteral("QLabel"),
        QStringLiteral("QPushButton"),  QStringLiteral("QCheckBox"),
        QStringLiteral("QRadioButton"), QStringLiteral("QGroupBox"),
        QStringLiteral("QAction"),      QStringLiteral("information"),
        QStringLiteral("warning"),      QStringLiteral("critical"),
        QStringLiteral("question"),     QStringLiteral("showMessage"),
        QStringLiteral("addRow"),       QStringLiteral("setPlaceholderText")};
    static const QRegularExpression styleSheet(
        QStringLiteral("^\\s*([a-z-]+\\s*:\\s*[^;:]+;?\\s*)+$"));
    if (styleSheet.match(text).hasMatch()) return false;  // "color: red; ..."
    const QString plain = QString(text).remove(format);
    if (words.match(plain).hasMatch()) return true;
    return inWindow && windowSetters.contains(call) &&
           plain.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

}  // namespace

TEST(Texts, UserVisibleLiteralsGoThroughTheTranslation) {
    static const QSet<QString> translating{
        QStringLiteral("tr"), QStringLiteral("translate"), QStringLiteral("QT_TR_NOOP"),
        QStringLiteral("QT_TRANSLATE_NOOP"), QStringLiteral("QT_TRANSLATE_NOOP3"),
        QStringLiteral("QT_TR_N_NOOP"), QStringLiteral("qtTrId"), QStringLiteral("QT_TRID_NOOP"),
        // diagnostics for developers, never shown in a window
        QStringLiteral("qDebug"), QStringLiteral("qWarning"), QStringLiteral("qCritical"),
        QStringLiteral("qInfo"), QStringLiteral("qFatal"), QStringLiteral("Q_ASSERT_X")};
    QStringList offenders;
    int files = 0;
    QDirIterator it(kSourceDir + QStringLiteral("/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(kSourceDir).relativeFilePath(path);
        if (relative.startsWith(QLatin1String("src/cli/"))) continue;  // English only
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
        const QString src = QString::fromUtf8(file.readAll());
        ++files;
        if (src.contains(QLatin1String("notr-file"))) continue;
        const Scanned s = scan(src);
        const bool inWindow = relative.contains(QLatin1String("/ui/"));
        for (const Literal& l : s.literals) {
            const qsizetype lineStart = src.lastIndexOf(QLatin1Char('\n'), l.start) + 1;
            if (src.mid(lineStart, l.start - lineStart).trimmed().startsWith(QLatin1Char('#')))
                continue;  // #include, #define
            bool exempt = false;
            for (const auto& span : s.exempt)
                exempt |= l.start >= span.first && l.start <= span.second;
            const QString call = enclosingCall(s.masked, l.start);
            if (exempt || translating.contains(call)) continue;
            if (looksUserVisible(l.text, call, inWindow))
                offenders << QStringLiteral("%1:%2: \"%3\"")
                                 .arg(relative)
                                 .arg(src.left(l.start).count(QLatin1Char('\n')) + 1)
                                 .arg(l.text);
        }
    }
    EXPECT_GT(files, 100);
    EXPECT_TRUE(offenders.isEmpty()) << "texts that bypass the translation (wrap them in tr(), "
                                        "QT_TRANSLATE_NOOP, or mark a file text with // notr):\n"
                                     << offenders.join(QLatin1Char('\n')).toStdString();
}

// Every entry of every translation is finished, and keeps the source's format
// marks and its leading and trailing blanks (the program fills and joins the
// texts by them).
TEST(Texts, EveryTranslationIsCompleteAndKeepsItsMarks) {
    static const QRegularExpression marks(
        QStringLiteral("%[-+ #0]*[0-9*]*(\\.[0-9*]+)?[a-zA-Z%]|%[0-9]+"));
    auto marksOf = [](const QString& text) {
        QStringList found;
        for (auto m = marks.globalMatch(text); m.hasNext();) found << m.next().captured();
        found.sort();
        return found;
    };
    auto edges = [](const QString& t) {
        qsizetype lead = 0, trail = 0;
        while (lead < t.size() && t[lead] == QLatin1Char(' ')) ++lead;
        while (trail < t.size() - lead && t[t.size() - 1 - trail] == QLatin1Char(' ')) ++trail;
        return QPair<qsizetype, qsizetype>(lead, trail);
    };
    const QStringList tsFiles = QDir(kSourceDir + QStringLiteral("/translations"))
                                    .entryList({QStringLiteral("lmk17_*.ts")});
    EXPECT_EQ(tsFiles.size(), 6);
    for (const QString& name : tsFiles) {
        QFile file(kSourceDir + QStringLiteral("/translations/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        bool numerus = false;
        int entries = 0;
        int sourcesInMessage = 0;
        QStringList faults;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
                // A namespace as context: a tr() outside any class, whose
                // lookup at run time uses another context and never finds it.
                if (context == QLatin1String("lmk17"))
                    faults << QStringLiteral("texts under the namespace as context");
            } else if (xml.name() == QLatin1String("message")) {
                numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                sourcesInMessage = 0;
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                // A second text in one entry: the compiler keeps only the last one, and the
                // first is shown untranslated.
                if (++sourcesInMessage > 1)
                    faults << QStringLiteral("two texts in one entry ") + context +
                                  QStringLiteral(": \"") + source + QLatin1Char('"');
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                    continue;
                ++entries;
                const QString where = context + QStringLiteral(": \"") + source + QLatin1Char('"');
                if (type == QLatin1String("unfinished") || text.isEmpty())
                    faults << QStringLiteral("unfinished ") + where;
                else if (numerus)
                    continue;  // plural forms: each form is a translation of its own
                else if (marksOf(text) != marksOf(source))
                    faults << QStringLiteral("format marks differ ") + where +
                                  QStringLiteral(" -> ") + text;
                else if (edges(text) != edges(source))
                    faults << QStringLiteral("blanks differ ") + where + QStringLiteral(" -> \"") +
                                  text + QLatin1Char('"');
            }
        }
        EXPECT_FALSE(xml.hasError())
            << name.toStdString() << ": " << xml.errorString().toStdString() << " at line "
            << xml.lineNumber();
        EXPECT_GT(entries, 150) << name.toStdString();
        EXPECT_TRUE(faults.isEmpty()) << name.toStdString() << ":\n"
                                      << faults.join(QLatin1Char('\n')).toStdString();
    }
}
