#include "platform/settings/SettingsStore.h"

#include "platform/files/SafeFile.h"
#include "platform/paths/AppPaths.h"
#include "platform/vb/VbNum.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>
#include <vector>

// The store is a small INI file written by this code rather than QSettings:
// QSettings neither writes through a temporary file nor tells a damaged file
// from an empty one, and both matter here. Keys are found without regard to
// case, as the settings area of the original platform did.

namespace settings {

namespace {

// A settings file is a few kilobytes; a larger one is refused unread.
constexpr qint64 MaxStoreBytes = 64 * 1024 * 1024;

struct Entry {
    QString key;
    QString value;
};

// The item whose name matches without regard to case, or null.
template <typename T, typename Name>
T* findNamed(std::vector<T>& items, const QString& wanted, Name name)
{
    for (T& item : items)
        if (name(item).compare(wanted, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

struct Group {
    QString name;
    std::vector<Entry> entries;

    Entry* find(const QString& key) { return findNamed(entries, key, [](const Entry& e) { return e.key; }); }
    void set(const QString& key, const QString& value)
    {
        if (Entry* e = find(key))
            e->value = value;
        else
            entries.push_back(Entry{key, value});
    }
};

struct Store {
    std::vector<Group> groups;

    Group* find(const QString& name) { return findNamed(groups, name, [](const Group& g) { return g.name; }); }
    Group& ensure(const QString& name)
    {
        if (Group* g = find(name))
            return *g;
        groups.push_back(Group{name, {}});
        return groups.back();
    }
};

struct FileState {
    bool exists = false;
    bool readable = true;
    bool damaged = false;
    QByteArray raw;
    Store store;
    QString problem;
};

// ---- text form of one key or value ----

QString escape(const QString& s, bool isKey)
{
    QString out;
    out.reserve(s.size() + 2);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case 0: out += QLatin1String("\\0"); break;
        default:
            if (isKey && (c == u'=' || (i == 0 && (c == u'[' || c == u';' || c == u'#'))))
                out += QLatin1Char('\\');
            out += c;
        }
    }
    // Blanks at either end would be lost to the trimming of the reader.
    const bool edgeBlank = !out.isEmpty() && (out.front() == u' ' || out.back() == u' ');
    if (edgeBlank || out.startsWith(u'"')) {
        if (isKey) {
            // Keys never carry quotes: escape the edge blanks one by one.
            QString k = out;
            if (k.startsWith(u' ') || k.startsWith(u'"'))
                k.prepend(QLatin1Char('\\'));
            if (k.endsWith(u' '))
                k.insert(k.size() - 1, QLatin1Char('\\'));
            return k;
        }
        return QLatin1Char('"') + out + QLatin1Char('"');
    }
    return out;
}

QString unescape(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        QChar c = s.at(i);
        if (c == u'\\' && i + 1 < s.size()) {
            c = s.at(++i);
            switch (c.unicode()) {
            case 'n': out += QLatin1Char('\n'); break;
            case 'r': out += QLatin1Char('\r'); break;
            case 't': out += QLatin1Char('\t'); break;
            case '0': out += QChar(0); break;
            default: out += c;
            }
        } else {
            out += c;
        }
    }
    return out;
}

// Index of the first "=" not escaped by a backslash, or -1.
qsizetype keyEnd(const QString& line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == u'\\')
            ++i;
        else if (line.at(i) == u'=')
            return i;
    }
    return -1;
}

// Trims only half-width blanks and tabs: a full-width blank is text.
QString trimAscii(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && (s.at(b) == u' ' || s.at(b) == u'\t'))
        ++b;
    while (e > b && (s.at(e - 1) == u' ' || s.at(e - 1) == u'\t'))
        --e;
    return s.mid(b, e - b);
}

// Trims ASCII blanks but keeps a blank that a backslash escapes.
QString trimUnescaped(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == u' ')
        ++b;
    while (e > b && s.at(e - 1) == u' ' && !(e - 2 >= b && s.at(e - 2) == u'\\'))
        --e;
    return s.mid(b, e - b);
}

// Parses the file; every line that does not read cleanly marks the file as
// damaged, and the lines that do are kept.
void parse(FileState& st)
{
    const QList<QByteArray> lines = st.raw.split('\n');
    Group* group = nullptr;
    int badLine = 0;
    int lineNo = 0;
    for (QByteArray bytes : lines) {
        ++lineNo;
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString line = dec.decode(bytes);
        if (dec.hasError() || bytes.contains('\0')) {
            if (!badLine)
                badLine = lineNo;
            continue;
        }
        if (lineNo == 1 && line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        const QString t = trimAscii(line);
        if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#'))
            continue;
        if (t.startsWith(u'[')) {
            if (!t.endsWith(u']')) {
                if (!badLine)
                    badLine = lineNo;
                group = nullptr;
                continue;
            }
            group = &st.store.ensure(unescape(t.mid(1, t.size() - 2)));
            continue;
        }
        const qsizetype eq = keyEnd(line);
        if (eq <= 0 || !group) {
            if (!badLine)
                badLine = lineNo;
            continue;
        }
        const QString key = unescape(trimUnescaped(line.left(eq)));
        QString raw = trimAscii(line.mid(eq + 1));
        if (raw.size() >= 2 && raw.startsWith(u'"') && raw.endsWith(u'"'))
            raw = raw.mid(1, raw.size() - 2);
        group->set(key, unescape(raw));
    }
    if (badLine) {
        st.damaged = true;
        st.problem = QStringLiteral("設定ファイルが壊れています（%1行目）。読めない設定は既定値を使います: %2")
                         .arg(badLine)
                         .arg(storePath());
    }
}

FileState readFile()
{
    FileState st;
    const QString path = storePath();
    const QFileInfo info(path);
    st.exists = info.exists();
    if (!st.exists)
        return st;
    files::ReadResult in = files::readRegularFile(path, MaxStoreBytes);
    if (!in.ok()) {
        st.readable = false;
        st.problem = QStringLiteral("設定ファイルを読めません。既定値を使います: %1（%2）").arg(path, in.reason);
        return st;
    }
    st.raw = std::move(in.bytes);
    parse(st);
    return st;
}

QByteArray serialise(const Store& store)
{
    QString text;
    for (const Group& g : store.groups) {
        if (g.entries.empty())
            continue;
        text += QLatin1Char('[') + escape(g.name, true) + QLatin1String("]\n");
        for (const Entry& e : g.entries)
            text += escape(e.key, true) + QLatin1Char('=') + escape(e.value, false) + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

// Keeps the bytes of a damaged file under a name of their own before the
// file is rewritten; an earlier backup is never replaced.
bool backUpDamaged(const FileState& st, QString* error)
{
    QString name = storePath() + QStringLiteral(".damaged");
    for (int n = 1; QFileInfo::exists(name); ++n)
        name = storePath() + QStringLiteral(".damaged.%1").arg(n);
    if (files::writeFileSafely(name, st.raw))
        return true;
    if (error)
        *error = QStringLiteral("壊れた設定ファイルの控えを作れないため、設定を保存しません: %1").arg(name);
    return false;
}

struct Cache {
    std::optional<Store> store;
    QString problem;
};

Cache& cache()
{
    static Cache c;
    return c;
}

Store& loaded()
{
    Cache& c = cache();
    if (!c.store) {
        FileState st = readFile();
        c.store = std::move(st.store);
        c.problem = st.problem;
    }
    return *c.store;
}

// Re-reads the file, applies the change to what is on disk now and writes
// the result through a temporary file.
template <typename Change>
bool writeThrough(Change change, QString* error)
{
    FileState st = readFile();
    if (st.exists && !st.readable) {
        // Rewriting a file we cannot read would throw away what it holds.
        if (error)
            *error = st.problem + QStringLiteral(" 設定は保存しません。");
        return false;
    }
    if (st.damaged && !backUpDamaged(st, error))
        return false;
    change(st.store);
    if (!QDir().mkpath(QFileInfo(storePath()).absolutePath())) {
        if (error)
            *error = QStringLiteral("設定のフォルダを作成できません: %1").arg(QFileInfo(storePath()).absolutePath());
        return false;
    }
    QString reason;
    if (!files::writeFileSafely(storePath(), serialise(st.store), &reason)) {
        if (error)
            *error = QStringLiteral("設定を保存できません: %1（%2）").arg(storePath(), reason);
        return false;
    }
    return true;
}

} // namespace

QString storePath()
{
    return paths::configDir() + QLatin1Char('/') + AppTitle + QStringLiteral(".ini");
}

QString GetSetting(const QString& key, const QString& defaultValue, const QString& section)
{
    Group* g = loaded().find(section);
    if (!g)
        return defaultValue;
    const Entry* e = g->find(key);
    return e ? e->value : defaultValue;
}

bool SaveSetting(const QString& key, const QString& value, const QString& section, QString* error)
{
    if (key.isEmpty() || section.isEmpty()) {
        if (error)
            *error = QStringLiteral("設定の名前が空です。");
        return false;
    }
    const auto set = [&](Store& s) { s.ensure(section).set(key, value); };
    // The running program sees the new value even when the disk refuses it.
    set(loaded());
    return writeThrough(set, error);
}

bool DeleteSetting(const QString& key, const QString& section, QString* error)
{
    const auto remove = [&](Store& s) {
        Group* g = s.find(section);
        if (!g)
            return;
        if (key.isEmpty()) {
            g->entries.clear(); // an empty key removes the whole section
            return;
        }
        std::erase_if(g->entries, [&](const Entry& e) { return e.key.compare(key, Qt::CaseInsensitive) == 0; });
    };
    remove(loaded());
    return writeThrough(remove, error);
}

bool GetBool(const QString& key, bool defaultValue, const QString& section)
{
    try {
        return vb::CBool(GetSetting(key, vb::BoolText(defaultValue), section));
    } catch (const std::exception&) {
        return defaultValue;
    }
}

int GetInt(const QString& key, int defaultValue, const QString& section)
{
    try {
        return vb::CLng(GetSetting(key, vb::NumberText(defaultValue), section));
    } catch (const std::exception&) {
        return defaultValue;
    }
}

double GetDouble(const QString& key, double defaultValue, const QString& section)
{
    try {
        return vb::CDbl(GetSetting(key, vb::NumberText(defaultValue), section));
    } catch (const std::exception&) {
        return defaultValue;
    }
}

bool SaveBool(const QString& key, bool value, const QString& section, QString* error)
{
    return SaveSetting(key, vb::BoolText(value), section, error);
}

bool SaveNumber(const QString& key, double value, const QString& section, QString* error)
{
    return SaveSetting(key, vb::NumberText(value), section, error);
}

QString loadProblem()
{
    loaded();
    return cache().problem;
}

void reload()
{
    cache() = Cache{};
}

} // namespace settings
