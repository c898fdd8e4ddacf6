#include "platform/print/LpOptions.h"

#include "platform/files/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace prn {

namespace {

// Splits the options of a line into raw tokens, keeping quotes and escapes
// as written so that untouched options are written back byte for byte.
QStringList optionTokens(const QString& text)
{
    QStringList tokens;
    QString cur;
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            cur += c;
            cur += text[++i];
        } else if (!quote.isNull()) {
            cur += c;
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            cur += c;
            quote = c;
        } else if (c.isSpace()) {
            if (!cur.isEmpty())
                tokens << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.isEmpty())
        tokens << cur;
    return tokens;
}

QString optionName(const QString& token)
{
    const qsizetype eq = token.indexOf(u'=');
    QString name = eq < 0 ? token : token.left(eq);
    if (name.startsWith(QStringLiteral("no")) && eq < 0)
        name = name.mid(2);
    return name;
}

QString quoted(const QString& value)
{
    bool plain = !value.isEmpty();
    for (QChar c : value)
        if (c.isSpace() || c == u'"' || c == u'\'' || c == u'\\')
            plain = false;
    if (plain)
        return value;
    QString out = QStringLiteral("\"");
    for (QChar c : value) {
        if (c == u'"' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

} // namespace

QString setDestOption(const QString& fileText, const QString& printer, const QString& option,
                      const QString& value, const QStringList& alsoDrop)
{
    QStringList lines = fileText.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString setting = option + u'=' + quoted(value);
    bool found = false;
    for (QString& line : lines) {
        QStringList tokens = optionTokens(line);
        // "Dest name ..." or "Default name ..."; an instance "name/inst" is another destination.
        if (tokens.size() < 2 || tokens[1].compare(printer, Qt::CaseInsensitive) != 0)
            continue;
        if (tokens[0].compare(QStringLiteral("Dest"), Qt::CaseInsensitive) != 0
            && tokens[0].compare(QStringLiteral("Default"), Qt::CaseInsensitive) != 0)
            continue;
        QStringList kept = tokens.mid(0, 2);
        for (const QString& t : tokens.mid(2)) {
            const QString name = optionName(t);
            if (name.compare(option, Qt::CaseInsensitive) == 0 || alsoDrop.contains(name, Qt::CaseInsensitive))
                continue;
            kept << t;
        }
        kept << setting;
        line = kept.join(u' ');
        found = true;
    }
    if (!found)
        lines << QStringLiteral("Dest %1 %2").arg(printer, setting);
    return lines.join(u'\n') + u'\n';
}

QString userLpOptionsPath()
{
    return QDir::homePath() + QStringLiteral("/.cups/lpoptions");
}

bool setUserDefaultPaper(const QString& printer, const QString& pageSizeKey, QString* error)
{
    const QString path = userLpOptionsPath();
    QString old;
    const files::ReadResult in = files::readRegularFile(path, 4 * 1024 * 1024);
    if (in.ok()) {
        old = QString::fromUtf8(in.bytes);
    } else if (in.status != files::ReadStatus::Missing) {
        if (error)
            *error = QStringLiteral("%1 を読めません: %2").arg(path, in.reason);
        return false;
    }
    if (!QDir().mkpath(QDir::homePath() + QStringLiteral("/.cups"))) {
        if (error)
            *error = QStringLiteral("%1 を作成できません。").arg(QDir::homePath() + QStringLiteral("/.cups"));
        return false;
    }
    const QString text = setDestOption(old, printer, QStringLiteral("PageSize"), pageSizeKey, {QStringLiteral("media")});
    QString reason;
    if (!files::writeFileSafely(path, text.toUtf8(), &reason)) {
        if (error)
            *error = QStringLiteral("%1 に書き込めません: %2").arg(path, reason);
        return false;
    }
    return true;
}

} // namespace prn
