#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace lmk17 {

// A profile (INI) file with the plain semantics that files written by other
// programs rely on: a value is the literal text after the first '=' (no
// escapes, lists or quoting, so decimal commas and backslashes survive),
// section and key names match case-insensitively, and ';' starts a comment
// only at the start of a line. When a section or key occurs twice, the first
// one counts, as with the system's own profile functions.
//
// Text encoding: a file that is valid UTF-8 is read as UTF-8, anything else
// as Windows-1250 (the code page of the files the transmitters' older tools
// write). Saving uses Windows-1250 when every character fits, UTF-8 otherwise.
class IniFile {
public:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    // No file of the program comes near this size (a full linearization file
    // is some 10 kB): anything larger is refused before it is read whole.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    IniFile() = default;

    static IniFile fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // Reads or writes the whole file. Saving goes through a temporary file
    // that replaces the old one only when it is complete, so a failure
    // leaves the previous file intact. On failure `error` gets the reason.
    // Loading refuses a file larger than kMaxFileSize.
    bool load(const QString& path, QString* error = nullptr);
    bool save(const QString& path, QString* error = nullptr) const;

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;
    std::optional<QString> value(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback) const;

    // Replaces the value of an existing key (keeping its position and the
    // spelling of its name) or appends the key, creating the section at the
    // end of the file when it does not exist.
    void setValue(const QString& section, const QString& key, const QString& value);
    void removeKey(const QString& section, const QString& key);
    void removeSection(const QString& section);

    QStringList sectionNames() const;
    QStringList keys(const QString& section) const;

private:
    const Section* findSection(const QString& name) const;
    Section* findSection(const QString& name);

    std::vector<Section> sections_;
};

}  // namespace lmk17
