// The text form of the settings file: "[section]" lines, then "key=value"
// lines, UTF-8. Sections and keys are found without regard to case and keep
// the order and spelling they were first given. One escaping rule serves
// both directions: a backslash escapes the next character ("\n", "\r",
// "\t" and "\0" stand for those controls), blanks at either end of a key or
// value are escaped one by one, and an unescaped blank at either end is
// dropped, as a hand-edited file may have it. Values once written in
// double quotes ("  x ") still read.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <deque>
#include <vector>

namespace settings::ini {

struct Entry {
    QString key;
    QString value;
};

class Section {
public:
    explicit Section(QString name = {}) : name_(std::move(name)) {}

    const QString& name() const { return name_; }
    const std::vector<Entry>& entries() const { return entries_; }
    const Entry* find(const QString& key) const;
    void set(const QString& key, const QString& value);
    void remove(const QString& key);
    void clear();

private:
    QString name_;
    std::vector<Entry> entries_;
    QHash<QString, size_t> index_; // case-folded key → position in entries_
};

class Document {
public:
    const std::deque<Section>& sections() const { return sections_; }
    const Section* find(const QString& name) const;
    Section* find(const QString& name);
    Section& ensure(const QString& name);

private:
    std::deque<Section> sections_; // a deque: sections stay put as others are added
    QHash<QString, size_t> index_;
};

struct Parsed {
    Document doc;
    int firstBadLine = 0; // 1-based; 0 when every line read cleanly
};

// Every line that does not read cleanly is skipped and the first one noted;
// the lines that do are kept.
Parsed parse(const QByteArray& bytes);
QByteArray serialise(const Document& doc);

// The escaped text of one key (or section name) or value.
QString escapeKey(const QString& key);
QString escapeValue(const QString& value);

} // namespace settings::ini
