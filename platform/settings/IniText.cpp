#include "platform/settings/IniText.h"

#include <QStringDecoder>

namespace settings::ini {

namespace {

QString fold(const QString& s)
{
    return s.toCaseFolded();
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString escape(const QString& s, bool isKey)
{
    // Blanks in the leading and trailing runs are escaped one by one: the
    // reader drops unescaped ones there.
    qsizetype lead = 0;
    while (lead < s.size() && s.at(lead) == u' ')
        ++lead;
    qsizetype trail = s.size();
    while (trail > lead && s.at(trail - 1) == u' ')
        --trail;
    QString out;
    out.reserve(s.size() + 8);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case 0: out += QLatin1String("\\0"); break;
        case ' ':
            if (i < lead || i >= trail)
                out += QLatin1Char('\\');
            out += c;
            break;
        default:
            if (isKey ? (c == u'=' || (i == 0 && (c == u'[' || c == u';' || c == u'#')))
                      : (i == 0 && c == u'"'))
                out += QLatin1Char('\\');
            out += c;
        }
    }
    return out;
}

// One key, value or section name as written: escapes resolved and the
// unescaped blanks at either end dropped; a value in double quotes (as
// older files have them) loses the quotes.
QString unescape(QStringView s, bool isValue)
{
    QString out;
    out.reserve(s.size());
    qsizetype firstKept = -1; // first character that is not an unescaped blank
    qsizetype endKept = 0;    // one past the last such character
    bool quoteOpen = false, quoteClose = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        QChar c = s.at(i);
        bool escaped = false;
        if (c == u'\\' && i + 1 < s.size()) {
            escaped = true;
            c = s.at(++i);
            switch (c.unicode()) {
            case 'n': c = QLatin1Char('\n'); break;
            case 'r': c = QLatin1Char('\r'); break;
            case 't': c = QLatin1Char('\t'); break;
            case '0': c = QChar(0); break;
            default: break;
            }
        }
        if (!escaped && isBlank(c) && firstKept < 0)
            continue;
        if (firstKept < 0) {
            firstKept = out.size();
            quoteOpen = !escaped && c == u'"';
        }
        out += c;
        if (escaped || !isBlank(c)) {
            endKept = out.size();
            quoteClose = !escaped && c == u'"';
        }
    }
    if (firstKept < 0)
        return QString();
    out.truncate(endKept);
    out.remove(0, firstKept);
    if (isValue && quoteOpen && quoteClose && out.size() >= 2)
        out = out.mid(1, out.size() - 2);
    return out;
}

// Index of the first "=" not escaped by a backslash, or -1.
qsizetype keyEnd(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == u'\\')
            ++i;
        else if (line.at(i) == u'=')
            return i;
    }
    return -1;
}

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s.at(b)))
        ++b;
    while (e > b && isBlank(s.at(e - 1)))
        --e;
    return s.mid(b, e - b);
}

} // namespace

const Entry* Section::find(const QString& key) const
{
    const auto it = index_.constFind(fold(key));
    return it == index_.constEnd() ? nullptr : &entries_[*it];
}

void Section::set(const QString& key, const QString& value)
{
    const QString k = fold(key);
    const auto it = index_.constFind(k);
    if (it != index_.constEnd()) {
        entries_[*it].value = value;
        return;
    }
    index_.insert(k, entries_.size());
    entries_.push_back(Entry{key, value});
}

void Section::remove(const QString& key)
{
    const auto it = index_.constFind(fold(key));
    if (it == index_.constEnd())
        return;
    entries_.erase(entries_.begin() + qsizetype(*it));
    index_.clear();
    for (size_t i = 0; i < entries_.size(); ++i)
        index_.insert(fold(entries_[i].key), i);
}

void Section::clear()
{
    entries_.clear();
    index_.clear();
}

const Section* Document::find(const QString& name) const
{
    const auto it = index_.constFind(fold(name));
    return it == index_.constEnd() ? nullptr : &sections_[*it];
}

Section* Document::find(const QString& name)
{
    const auto it = index_.constFind(fold(name));
    return it == index_.constEnd() ? nullptr : &sections_[*it];
}

Section& Document::ensure(const QString& name)
{
    if (Section* s = find(name))
        return *s;
    index_.insert(fold(name), sections_.size());
    sections_.emplace_back(name);
    return sections_.back();
}

QString escapeKey(const QString& key) { return escape(key, true); }
QString escapeValue(const QString& value) { return escape(value, false); }

Parsed parse(const QByteArray& bytes)
{
    Parsed p;
    Section* section = nullptr;
    int lineNo = 0;
    const auto bad = [&] {
        if (!p.firstBadLine)
            p.firstBadLine = lineNo;
    };
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView raw(bytes.constData() + start, end - start);
        start = end + 1;
        ++lineNo;
        if (raw.endsWith('\r'))
            raw.chop(1);
        // Only the file's own byte-order mark is dropped, never one that
        // begins a later line's key.
        QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString line = dec.decode(raw);
        if (dec.hasError() || raw.contains('\0')) {
            bad();
            continue;
        }
        if (lineNo == 1 && line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        const QStringView t = trimBlanks(line);
        if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#'))
            continue;
        if (t.startsWith(u'[')) {
            if (!t.endsWith(u']') || t.size() < 2) {
                bad();
                section = nullptr;
                continue;
            }
            section = &p.doc.ensure(unescape(t.mid(1, t.size() - 2), false));
            continue;
        }
        const qsizetype eq = keyEnd(line);
        if (eq < 0 || !section) {
            bad();
            continue;
        }
        const QString key = unescape(QStringView(line).left(eq), false);
        if (key.isEmpty()) {
            bad();
            continue;
        }
        section->set(key, unescape(QStringView(line).mid(eq + 1), true));
    }
    return p;
}

QByteArray serialise(const Document& doc)
{
    QString text;
    for (const Section& s : doc.sections()) {
        if (s.entries().empty())
            continue;
        text += QLatin1Char('[') + escapeKey(s.name()) + QLatin1String("]\n");
        for (const Entry& e : s.entries())
            text += escapeKey(e.key) + QLatin1Char('=') + escapeValue(e.value) + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace settings::ini
