#include "common/ini_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "common/safe_save.h"

namespace lmk17 {

namespace {

constexpr const char* kLegacyCodePage = "windows-1250";

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
    QStringDecoder legacy(kLegacyCodePage);
    if (legacy.isValid()) return legacy(bytes);
    return QString::fromLatin1(bytes);
}

QByteArray encode(const QString& text) {
    QStringEncoder legacy(kLegacyCodePage);
    if (legacy.isValid()) {
        QByteArray bytes = legacy(text);
        if (!legacy.hasError()) return bytes;
    }
    return text.toUtf8();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    Section* current = nullptr;
    const QString text = decode(bytes);
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) continue;
        if (trimmed.startsWith(QLatin1Char('['))) {
            QStringView name = trimmed.mid(1);
            const qsizetype close = name.indexOf(QLatin1Char(']'));
            if (close >= 0) name = name.left(close);
            ini.sections_.push_back({name.trimmed().toString(), {}});
            current = &ini.sections_.back();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        // Lines before the first section and lines without '=' carry nothing.
        if (!current || eq < 0) continue;
        const QStringView key = line.left(eq).trimmed();
        if (key.isEmpty()) continue;
        current->entries.push_back({key.toString(), line.mid(eq + 1).toString()});
    }
    return ini;
}

QByteArray IniFile::toBytes() const {
    QString text;
    bool first = true;
    for (const Section& s : sections_) {
        if (!first) text += QLatin1String("\r\n");
        first = false;
        text += QLatin1Char('[') + s.name + QLatin1String("]\r\n");
        for (const Entry& e : s.entries)
            text += e.key + QLatin1Char('=') + e.value + QLatin1String("\r\n");
    }
    return encode(text);
}

bool IniFile::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    // Read with a bound, so that a device or a pipe cannot feed it for ever.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) {
        if (error)
            *error = QCoreApplication::translate(
                         "Files", "The file is larger than %1 kB; no file of this program is.")
                         .arg(kMaxFileSize / 1024);
        return false;
    }
    *this = fromBytes(bytes);
    return true;
}

bool IniFile::save(const QString& path, QString* error) const {
    const SafeSaveResult result = SaveFileSafely(path, toBytes());
    if (!result.saved() && error) *error = result.reason;
    return result.saved();
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    for (const Section& s : sections_)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

IniFile::Section* IniFile::findSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

bool IniFile::hasSection(const QString& section) const {
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return value(section, key).has_value();
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s) return std::nullopt;
    for (const Entry& e : s->entries)
        if (sameName(e.key, key)) return e.value;
    return std::nullopt;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    return value(section, key).value_or(fallback);
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    Section* s = findSection(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    for (Entry& e : s->entries) {
        if (sameName(e.key, key)) {
            e.value = value;
            return;
        }
    }
    s->entries.push_back({key, value});
}

void IniFile::removeKey(const QString& section, const QString& key) {
    Section* s = findSection(section);
    if (!s) return;
    std::erase_if(s->entries, [&](const Entry& e) { return sameName(e.key, key); });
}

void IniFile::removeSection(const QString& section) {
    std::erase_if(sections_, [&](const Section& s) { return sameName(s.name, section); });
}

QStringList IniFile::sectionNames() const {
    QStringList names;
    for (const Section& s : sections_) names << s.name;
    return names;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList names;
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries) names << e.key;
    return names;
}

}  // namespace lmk17
